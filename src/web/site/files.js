// Files in and out of the core's in-memory file system. What the person
// opens is copied in as a folder of its own name (/tyros, /tyros (2), ...),
// so the status line names it as the person knows it; after each command, whatever the core
// wrote into a folder it was given goes back out: into the folder itself where
// the browser granted write access, otherwise as a download.
'use strict';

const Files = (() => {
  let FS = null;
  // folder path -> { label, handle (a writable folder) or null }
  const folders = new Map();
  let before = null;

  function attach(module) { FS = module.FS; }

  function exists(path) { return FS.analyzePath(path).exists; }

  // A new folder at the top, named as given, or with a number where that name is taken.
  function newFolder(name) {
    const clean = name.replace(/[/\\]/g, '_') || 'folder';
    let path = `/${clean}`;
    for (let n = 2; exists(path); n++) path = `/${clean} (${n})`;
    FS.mkdirTree(path);
    return path;
  }

  // A folder opened in the middle of a command: what it holds now was not written by the command.
  function keep(folder, info) {
    folders.set(folder, info);
    if (before !== null) before.set(folder, listTree(folder));
  }

  function writeFile(path, bytes) {
    FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
    FS.writeFile(path, bytes);
  }

  // A file or folder the browser would not hand over (NotReadableError: gone,
  // locked, access taken back), named as the person knows it.
  class Unreadable extends Error {
    constructor(name, kind = 'File') {
      super(`${kind} ${name} cannot be read`);
    }
  }

  // The entries of a folder, a folder that cannot be listed said as such.
  async function listed(name, list) {
    try {
      return await list();
    } catch (error) {
      throw error instanceof Unreadable ? error : new Unreadable(name, 'Folder');
    }
  }

  // What was read, copied in only once all of it could be read, so that a
  // file that fails leaves no half-opened folder behind. `read` is a list of
  // { path below the new folder, name as shown, open (gives the File, or a
  // promise of it) }; without open, a folder, kept even when empty.
  async function copyIn(label, read) {
    // Read side by side: one after the other, 512 bank files took most of a second.
    const contents = await Promise.all(read.map(async ({ name, open }) => {
      if (!open) return null;
      try {
        return new Uint8Array(await (await open()).arrayBuffer());
      } catch (error) {
        throw new Unreadable(name);
      }
    }));
    const folder = newFolder(label);
    read.forEach(({ path }, i) => {
      if (contents[i]) writeFile(`${folder}/${path}`, contents[i]);
      else FS.mkdirTree(`${folder}/${path}`);
    });
    return folder;
  }

  // Files from <input type=file> (webkitdirectory or not): the folder they are in.
  async function openFileList(fileList) {
    const files = Array.from(fileList);
    if (files.length === 0) return '';
    const first = files[0].webkitRelativePath;
    const label = first ? first.split('/')[0] : 'files';
    // Below the chosen folder, as it was there.
    const folder = await copyIn(label, files.map((file) => ({
      path: file.webkitRelativePath ? file.webkitRelativePath.split('/').slice(1).join('/') : file.name,
      name: file.webkitRelativePath || file.name,
      open: () => file,
    })));
    keep(folder, { label, handle: null });
    return folder;
  }

  async function listEntry(entry, path, into) {
    if (entry.isFile) {
      into.push({ path, name: entry.fullPath.replace(/^\//, ''),
                  open: () => new Promise((resolve, reject) => entry.file(resolve, reject)) });
      return;
    }
    into.push({ path });
    const reader = entry.createReader();
    for (;;) {
      const batch = await listed(entry.fullPath.replace(/^\//, ''),
                                 () => new Promise((resolve, reject) => reader.readEntries(resolve, reject)));
      if (batch.length === 0) break;
      for (const child of batch) await listEntry(child, `${path}/${child.name}`, into);
    }
  }

  // Dropped files and folders: their paths in the file system, as dropped.
  async function openDropped(dataTransfer) {
    // The entries must be taken before the first wait, while the drop lasts.
    const entries = Array.from(dataTransfer.items).map((item) => item.webkitGetAsEntry()).filter(Boolean);
    // Without entries (a browser that gives none), the dropped files as they are.
    const files = entries.length === 0 ? Array.from(dataTransfer.files) : [];
    if (entries.length === 0 && files.length === 0) return [];
    const read = files.map((file) => ({ path: file.name, name: file.name, open: () => file }));
    for (const entry of entries) await listEntry(entry, entry.name, read);
    const root = await copyIn('dropped', read);
    keep(root, { label: 'dropped', handle: null });
    const top = files.length > 0 ? files : entries;
    return top.map((item) => `${root}/${item.name}`);
  }

  // A folder the browser lets the page write into (Chromium's folder picker,
  // or the origin-private folder): its files are copied in, and what the core
  // writes there goes back into it.
  async function openWritable(handle) {
    const label = handle.name || 'folder';
    const list = (dir, path, into) => listed(path ? `${label}/${path}` : label, async () => {
      for await (const [name, child] of dir.entries()) {
        const below = path ? `${path}/${name}` : name;
        if (child.kind === 'file') {
          into.push({ path: below, name: `${label}/${below}`, open: () => child.getFile() });
        } else {
          into.push({ path: below });
          await list(child, below, into);
        }
      }
      return into;
    });
    const folder = await copyIn(label, await list(handle, '', []));
    keep(folder, { label, handle });
    return folder;
  }

  // An empty folder whose results are downloaded.
  function newOutputFolder() {
    const folder = newFolder('download');
    keep(folder, { label: 'kalivo', handle: null, output: true });
    return folder;
  }

  // Every file below a folder: path -> identity (a replaced file is a new node).
  function listTree(folder, into = new Map()) {
    for (const name of FS.readdir(folder)) {
      if (name === '.' || name === '..') continue;
      const path = `${folder}/${name}`;
      const stat = FS.stat(path);
      if (FS.isDir(stat.mode)) listTree(path, into);
      else into.set(path, `${stat.ino}:${stat.mtime.getTime()}:${stat.size}`);
    }
    return into;
  }

  function beforeCommand() {
    before = new Map();
    for (const folder of folders.keys()) before.set(folder, listTree(folder));
  }

  // What the last command wrote goes out; a refusal comes back as the status
  // line's text (null when every folder took its files).
  async function afterCommand() {
    if (before === null) return null;
    const was = before;
    before = null;
    let refused = null;
    for (const [folder, info] of folders) {
      const old = was.get(folder) || new Map();
      const now = listTree(folder);
      const written = [...now.keys()].filter((path) => old.get(path) !== now.get(path));
      const removed = [...old.keys()].filter((path) => !now.has(path));
      if (written.length === 0 && removed.length === 0) continue;
      const files = written.map((path) => ({ name: path.slice(folder.length + 1), bytes: FS.readFile(path) }));
      if (info.handle) refused = (await writeBack(info, files, removed.map((path) => path.slice(folder.length + 1)))) || refused;
      else if (files.length > 0) offer(info.label, files);
    }
    return refused;
  }

  async function folderHandle(root, parts) {
    let dir = root;
    for (const part of parts) dir = await dir.getDirectoryHandle(part, { create: true });
    return dir;
  }

  // Each file written whole and committed when its stream closes. A folder
  // that refuses (access taken back, disk full) gives the text that names it,
  // with how far the writing got: the core's "stored" holds only in the page.
  async function writeBack({ handle, label }, files, removed) {
    let written = 0;
    try {
      for (const file of files) {
        const parts = file.name.split('/');
        const dir = await folderHandle(handle, parts.slice(0, -1));
        const writable = await (await dir.getFileHandle(parts[parts.length - 1], { create: true })).createWritable();
        await writable.write(file.bytes);
        await writable.close();
        written++;
      }
      for (const name of removed) {
        const parts = name.split('/');
        const dir = await folderHandle(handle, parts.slice(0, -1));
        // Already gone is as good as removed.
        await dir.removeEntry(parts[parts.length - 1]).catch((error) => { if (error.name !== 'NotFoundError') throw error; });
      }
    } catch (error) {
      return `NOT done: the folder "${label}" refused a change (${error.message}); ${written} of ${files.length} files written`;
    }
    note(`${files.length === 1 ? files[0].name : `${files.length} files`} written into the folder "${label}"`);
    return null;
  }

  // One file as itself, several as one .zip.
  function offer(label, files) {
    const single = files.length === 1;
    const name = single ? files[0].name.split('/').pop() : `${label}.zip`;
    const bytes = single ? files[0].bytes : Zip.write(files);
    const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
    note(`offered as the download "${name}"`);
  }

  function note(text) {
    const status = document.getElementById('status');
    status.textContent = status.textContent ? `${status.textContent} — ${text}` : text;
  }

  // A text of the core's with the page's own folder paths (/stick (2)/REGS)
  // named as the person knows them (stick/REGS): a path counts where it
  // starts a word and ends at a "/", a space, a sign or the end.
  function shown(text) {
    let named = text;
    // The longer path first, so /stick (2) is not taken for /stick.
    for (const [path, { label }] of [...folders].sort(([a], [b]) => b.length - a.length)) {
      const quoted = path.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
      named = named.replace(new RegExp(`(?<![^\\s"'(])${quoted}(?=[\\s/;,:"')]|\\.(?:\\s|$)|$)`, 'g'), label);
    }
    return named;
  }

  function openedFolders() {
    return [...folders].filter(([, info]) => !info.output).map(([path, info]) => ({ path, ...info }));
  }

  return { attach, openFileList, openDropped, openWritable, newOutputFolder, beforeCommand, afterCommand,
           openedFolders, shown, Unreadable };
})();
