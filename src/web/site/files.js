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

  // The files' bytes, read side by side: read one after the other, 512 bank
  // files took most of a second.
  function readAll(files) {
    return Promise.all(files.map(async (file) => new Uint8Array(await file.arrayBuffer())));
  }

  // Files from <input type=file> (webkitdirectory or not): the folder they are in.
  async function openFileList(fileList) {
    const files = Array.from(fileList);
    if (files.length === 0) return '';
    const first = files[0].webkitRelativePath;
    const label = first ? first.split('/')[0] : 'files';
    const folder = newFolder(label);
    const contents = await readAll(files);
    files.forEach((file, i) => {
      // Below the chosen folder, as it was there.
      const relative = file.webkitRelativePath ? file.webkitRelativePath.split('/').slice(1).join('/') : file.name;
      writeFile(`${folder}/${relative}`, contents[i]);
    });
    keep(folder, { label, handle: null });
    return folder;
  }

  async function readEntry(entry, path) {
    if (entry.isFile) {
      const file = await new Promise((resolve, reject) => entry.file(resolve, reject));
      writeFile(path, new Uint8Array(await file.arrayBuffer()));
      return;
    }
    FS.mkdirTree(path);
    const reader = entry.createReader();
    for (;;) {
      const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
      if (batch.length === 0) break;
      for (const child of batch) await readEntry(child, `${path}/${child.name}`);
    }
  }

  // Dropped files and folders: their paths in the file system, as dropped.
  async function openDropped(dataTransfer) {
    // The entries must be taken before the first wait, while the drop lasts.
    const entries = Array.from(dataTransfer.items).map((item) => item.webkitGetAsEntry()).filter(Boolean);
    // Without entries (a browser that gives none), the dropped files as they are.
    const files = entries.length === 0 ? Array.from(dataTransfer.files) : [];
    if (entries.length === 0 && files.length === 0) return [];
    const root = newFolder('dropped');
    keep(root, { label: 'dropped', handle: null });
    const contents = await readAll(files);
    files.forEach((file, i) => writeFile(`${root}/${file.name}`, contents[i]));
    if (files.length > 0) return files.map((file) => `${root}/${file.name}`);
    const paths = [];
    for (const entry of entries) {
      const path = `${root}/${entry.name}`;
      await readEntry(entry, path);
      paths.push(path);
    }
    return paths;
  }

  // A folder the browser lets the page write into (Chromium's folder picker,
  // or the origin-private folder): its files are copied in, and what the core
  // writes there goes back into it.
  async function openWritable(handle) {
    const folder = newFolder(handle.name || 'folder');
    async function copyIn(dir, path) {
      const files = [];
      for await (const [name, child] of dir.entries()) {
        if (child.kind === 'file') {
          files.push([name, child.getFile()]);
        } else {
          FS.mkdirTree(`${path}/${name}`);
          await copyIn(child, `${path}/${name}`);
        }
      }
      const contents = await readAll(await Promise.all(files.map(([, file]) => file)));
      files.forEach(([name], i) => writeFile(`${path}/${name}`, contents[i]));
    }
    await copyIn(handle, folder);
    keep(folder, { label: handle.name || 'folder', handle });
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

  async function afterCommand() {
    if (before === null) return;
    const was = before;
    before = null;
    for (const [folder, info] of folders) {
      const old = was.get(folder) || new Map();
      const now = listTree(folder);
      const written = [...now.keys()].filter((path) => old.get(path) !== now.get(path));
      const removed = [...old.keys()].filter((path) => !now.has(path));
      if (written.length === 0 && removed.length === 0) continue;
      const files = written.map((path) => ({ name: path.slice(folder.length + 1), bytes: FS.readFile(path) }));
      if (info.handle) await writeBack(info.handle, files, removed.map((path) => path.slice(folder.length + 1)));
      else if (files.length > 0) offer(info.label, files);
    }
  }

  async function folderHandle(root, parts) {
    let dir = root;
    for (const part of parts) dir = await dir.getDirectoryHandle(part, { create: true });
    return dir;
  }

  // Each file written whole and committed when its stream closes. A folder
  // that refuses (access taken back, disk full) is named in the status line,
  // with how far the writing got: the core's "stored" holds only in the page.
  async function writeBack(handle, files, removed) {
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
      note(`NOT done: the folder "${handle.name}" refused a change (${error.message}); ${written} of ${files.length} files written`);
      return;
    }
    note(`${files.length === 1 ? files[0].name : `${files.length} files`} written into the folder "${handle.name}"`);
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

  function openedFolders() {
    return [...folders].filter(([, info]) => !info.output).map(([path, info]) => ({ path, ...info }));
  }

  return { attach, openFileList, openDropped, openWritable, newOutputFolder, beforeCommand, afterCommand,
           openedFolders };
})();
