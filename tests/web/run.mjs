// The browser edition in headless Chromium: for a model's example, the page
// loads it, copies it bank by bank, renames, undoes and redoes, stores, and
// the files it offers are compared byte for byte with what kalivo-cli copy
// writes. No request may leave the page's own origin.
// Usage: node run.mjs SITE_DIR KALIVO_CLI [TEST_NAME_PART]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, relative, resolve } from 'node:path';
import {
  answerList, bankFolder, check, chooseModel, clickLine, dialog, folderDialog, headerLines, idle, launch, lineElement, lines, newOutputFolder,
  openFolder, openPage as open, press, serve,
} from './steps.mjs';

const [siteDir, cli] = process.argv.slice(2, 4).map((path) => resolve(path));
const only = process.argv[4] || '';
const examples = resolve(new URL('../../examples', import.meta.url).pathname);
const scratch = mkdtempSync(join(tmpdir(), 'kalivo-web-'));
const failures = [];
let lastPage = null;  // for a picture when a test fails

// A stored .zip: name -> bytes (the page writes no compression).
function unzip(bytes) {
  const files = new Map();
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  for (let at = 0; at + 30 <= bytes.length && view.getUint32(at, true) === 0x04034b50;) {
    check(view.getUint16(at + 8, true) === 0, 'zip entry is compressed');
    const size = view.getUint32(at + 18, true);
    const nameLength = view.getUint16(at + 26, true);
    const extra = view.getUint16(at + 28, true);
    const name = new TextDecoder().decode(bytes.subarray(at + 30, at + 30 + nameLength));
    const start = at + 30 + nameLength + extra;
    files.set(name, bytes.subarray(start, start + size));
    at = start + size;
  }
  return files;
}

function readTree(folder, into = new Map(), root = folder) {
  for (const name of readdirSync(folder)) {
    const path = join(folder, name);
    if (statSync(path).isDirectory()) readTree(path, into, root);
    else into.set(relative(root, path), readFileSync(path));
  }
  return into;
}

function sameFiles(got, want, what) {
  check([...got.keys()].sort().join('|') === [...want.keys()].sort().join('|'),
        `${what}: files ${[...got.keys()].sort()} instead of ${[...want.keys()].sort()}`);
  for (const [name, bytes] of want) {
    check(Buffer.compare(Buffer.from(got.get(name)), bytes) === 0, `${what}: ${name} differs from kalivo-cli's`);
  }
}

// ---- the tests ------------------------------------------------------------------

async function openPage(browser, origin) {
  const opened = await open(browser, origin);
  lastPage = opened.page;
  return opened;
}

// New on the right, then each source bank ">>" onto the same bank: what kalivo-cli copy does.
async function copyAllBanks(page, sourceHeaders) {
  await press(page, 'NewRight');
  await idle(page);
  for (let bank = 0; bank < sourceHeaders.length; bank++) {
    const destinationHeaders = await headerLines(page, 'destination');
    await clickLine(page, 'source', sourceHeaders[bank]);
    await clickLine(page, 'destination', destinationHeaders[bank]);
    await press(page, 'Copy');
    await idle(page);
  }
  const copied = await lines(page, 'destination');
  const sourceLines = await lines(page, 'source');
  check(copied.join('\n') === sourceLines.join('\n'), `the copy shows other lines:\n${copied.join('\n')}`);
  return copied;
}

async function loadTyrosExample(page) {
  await chooseModel(page, 'Tyros');
  await press(page, 'LoadArchiveLeft');
  await openFolder(page, join(examples, 'tyros'));
  await answerList(page, 'Select Registration Banks', (options) => options);
  await idle(page);
  return headerLines(page, 'source');
}

// Tyros stored in place into a folder of the browser's own (the same folder
// interface as a folder the person picks) that holds the files in capitals:
// each is written over under its own spelling, none twice. A folder that
// refuses a write is not reported as written.
async function tyrosInPlace(browser, origin) {
  const want = await cliCopy('Tyros', 'tyros');
  const { page, context, clean } = await openPage(browser, origin);
  // ASCII letters only: the program folds no others when it matches names.
  const upper = (name) => name.replace(/[a-z]/g, (c) => c.toUpperCase());
  const capitals = [...want.keys()].map(upper);
  await page.evaluate(async (names) => {
    const root = await navigator.storage.getDirectory();
    const stick = await root.getDirectoryHandle('stick', { create: true });
    for (const name of names) {
      const writable = await (await stick.getFileHandle(name, { create: true })).createWritable();
      await writable.write('old');
      await writable.close();
    }
    await Files.openWritable(stick);
  }, capitals);
  await copyAllBanks(page, await loadTyrosExample(page));
  await press(page, 'StoreArchive');
  await (await folderDialog(page)).$('button:text-matches("stick")').then((b) => b.click());
  await answerList(page, 'Select Registration Banks', (options) => options);
  // Replacing the older files is asked for; Yes to each.
  while (await page.waitForFunction(() => document.querySelector('dialog[open]') ||
                                          /written into the folder/.test(document.getElementById('status').textContent))
    .then(() => page.$('dialog[open] button:text-is("Yes")'))
    .then(async (yes) => (yes ? (await yes.click(), true) : false)));
  const got = await privateFiles(page, 'stick');
  const wanted = new Map([...want].map(([name, bytes]) => [upper(name), bytes]));
  sameFiles(got, wanted, 'Tyros store in place');
  // The folder as the person chose it, not the page's own path for it.
  const stored = await page.textContent('#status');
  check(stored.startsWith('Stored 3 banks in stick — '), `the store in place says "${stored}"`);

  // A folder that refuses to be written: the status line says so and not that
  // anything was written, and changes the store did not save stay unsaved.
  await page.evaluate(() => Files.openWritable({
    name: 'locked',
    entries: async function* nothing() {},
    getFileHandle: async () => ({ createWritable: async () => { throw new DOMException('The folder is locked.'); } }),
  }));
  await clickLine(page, 'destination', 1);
  await page.keyboard.press('Delete');
  await idle(page);
  const intoLocked = async () => clickButton(await folderDialog(page), 'Folder "locked" (written in place)');
  for (const [command, answer] of [
    ['StoreArchive', async () => { await intoLocked(); await answerList(page, 'Select Registration Banks', (options) => options); }],
    ['CreateRegfilesLeft', intoLocked],
    ['ProtocolLeft', () => saveAs(page, 0, 'list.txt', 'Folder "locked"')]]) {
    await press(page, command);
    await answer();
    await idle(page);
    const status = await page.textContent('#status');
    check(/^NOT done: the folder "locked" refused a change \(The folder is locked\.\); 0 of \d+ files written$/.test(status),
          `${command} into a refusing folder says "${status}"`);
    await press(page, 'Exit');
    await page.waitForSelector('dialog[open], #ended:not([hidden])');
    const question = await page.$('dialog[open]');
    check(question && (await question.textContent()).includes('Save changed registrations?'),
          `after ${command} into a refusing folder, Exit does not ask about the changes`);
    await page.keyboard.press('Escape');
    await idle(page);
  }

  clean();
  await context.close();
}

async function cliCopy(model, example) {
  const out = mkdtempSync(join(scratch, `cli-${example}-`));
  const run = spawnSync(cli, ['copy', '--model', model, '--folder', join(examples, example), '--out', out]);
  check(run.status === 0, `kalivo-cli copy failed: ${run.stderr}`);
  return readTree(out);
}

async function renameAndUndo(page, line) {
  const before = await lines(page, 'destination');
  await clickLine(page, 'destination', line);
  await press(page, 'Rename');
  const rename = await dialog(page, 'Change Name');
  await (await rename.$('input')).fill('Renamed');
  await (await rename.$('button:text-is("OK")')).click();
  await idle(page);
  check((await lines(page, 'destination'))[line].includes('Renamed'), 'the rename does not show');
  await page.keyboard.press('Control+Z');
  await idle(page);
  check((await lines(page, 'destination')).join('\n') === before.join('\n'), 'undo did not bring the lines back');
  return before;
}

const kModels = [['PSR-740', 'psr740'], ['PSR-8000', 'psr8000'], ['PSR-9000', 'psr9000'], ['9000Pro', '9000pro'],
                 ['PSR-2000', 'psr2000'], ['CVP2 Series', 'cvp2'], ['Tyros', 'tyros']];

function cliTree(args) {
  const out = mkdtempSync(join(scratch, 'cli-'));
  const run = spawnSync(cli, [...args, '--out', out]);
  check(run.status === 0, `kalivo-cli ${args.join(' ')} failed: ${run.stderr}`);
  return readTree(out);
}

function cliFile(args, name) {
  const out = mkdtempSync(join(scratch, 'cli-'));
  const run = spawnSync(cli, [...args, '--out', join(out, name)]);
  check(run.status === 0, `kalivo-cli ${args.join(' ')} failed: ${run.stderr}`);
  return readFileSync(join(out, name));
}

// Runs a command that writes into a new folder; the files offered, by name.
async function downloadFrom(page, start, answer) {
  const download = page.waitForEvent('download');
  await start();
  if (answer) await answer();
  const file = await download;
  const path = join(mkdtempSync(join(scratch, 'page-')), file.suggestedFilename());
  await file.saveAs(path);
  await idle(page);
  if (!path.endsWith('.zip')) return new Map([[file.suggestedFilename(), readFileSync(path)]]);
  const listed = spawnSync('python3', ['-m', 'zipfile', '-t', path]);
  check(listed.status === 0, `python's zipfile refuses the download: ${listed.stdout}${listed.stderr}`);
  return unzip(readFileSync(path));
}

// Save As: the name, the kind and where.
async function saveAs(page, filter, name, place) {
  const box = await dialog(page, 'Save As');
  await (await box.$('input')).fill(name);
  await (await box.$('select[aria-label="Save as type"]')).selectOption(String(filter));
  await (await box.$('select[aria-label="Save in"]')).selectOption({ label: place });
  await (await box.$('button:text-is("Save")')).click();
}

// A new empty folder of the browser's own, opened for writing in place.
let privateFolders = 0;
async function openPrivateFolder(page) {
  const name = `place-${++privateFolders}`;
  await page.evaluate(async (folder) => {
    const root = await navigator.storage.getDirectory();
    await Files.openWritable(await root.getDirectoryHandle(folder, { create: true }));
  }, name);
  return name;
}

// The files of a folder of the browser's own, by their paths in it.
async function privateFiles(page, name) {
  const files = await page.evaluate(async (folder) => {
    const found = {};
    async function read(dir, path) {
      for await (const [entry, handle] of dir.entries()) {
        if (handle.kind === 'file') found[path + entry] = Array.from(new Uint8Array(await (await handle.getFile()).arrayBuffer()));
        else await read(handle, `${path}${entry}/`);
      }
    }
    await read(await (await navigator.storage.getDirectory()).getDirectoryHandle(folder), '');
    return found;
  }, name);
  return new Map(Object.entries(files).map(([path, bytes]) => [path, Uint8Array.from(bytes)]));
}

async function clickButton(box, text) {
  const buttons = await box.$$('button');
  const texts = await Promise.all(buttons.map((b) => b.textContent()));
  check(texts.includes(text), `no button "${text}" among ${texts}`);
  await buttons[texts.indexOf(text)].click();
}

// Where the page's files go, each returning the files written by name: offered
// as downloads (a new folder, a download in Save As), or written in place into
// a new folder of the browser's own (the interface of a folder the person picks).
const kOutputs = {
  download: {
    folder: (page, start, answer) => downloadFrom(page, start, async () => {
      await newOutputFolder(page);
      if (answer) await answer();
    }),
    file: (page, start, filter, name) => downloadFrom(page, start, () => saveAs(page, filter, name, 'Download')),
  },
  inPlace: {
    async folder(page, start, answer) {
      const folder = await openPrivateFolder(page);
      await start();
      await clickButton(await folderDialog(page), `Folder "${folder}" (written in place)`);
      if (answer) await answer();
      await idle(page);
      return privateFiles(page, folder);
    },
    async file(page, start, filter, name) {
      const folder = await openPrivateFolder(page);
      await start();
      await saveAs(page, filter, name, `Folder "${folder}"`);
      await idle(page);
      return privateFiles(page, folder);
    },
  },
};

// Each model with its example: loaded on the left, Create Regfiles and the
// protocols (text, UTF-8 text, HTML) from it; loaded on the right, a
// registration copied, renamed, the rename undone, redone and undone, and
// stored. Every file the page writes to the output is kalivo-cli's, byte for byte.
async function everyModel(browser, origin, output) {
  for (const [model, example] of kModels) {
    const folder = join(examples, example);
    const tyros = model === 'Tyros';
    const { page, context, clean } = await openPage(browser, origin);
    await chooseModel(page, model);
    await press(page, 'LoadArchiveLeft');
    await openFolder(page, folder);
    await answerList(page, tyros ? 'Select Registration Banks' : 'Archive Selection', (options) => (tyros ? options : options.slice(0, 1)));
    await idle(page);

    // View Registration shows the registration's name in its field for the name.
    const listed = await lines(page, 'source');
    const viewed = listed.findIndex((text) => /^\s*[\d-]+: /.test(text) && !text.includes('--- no reg ---'));
    await (await lineElement(page, 'source', viewed)).dblclick();
    const name = listed[viewed].replace(/^\s*[\d-]+: /, '').trim();
    const shown = await viewFields(page, 'View Registration');
    const field = { Tyros: 'Name', 'CVP2 Series': 'Registration', 'PSR-2000': 'Registration' }[model] || 'Title';
    check(shown[field].trim() === name, `${model}: View Registration shows ${JSON.stringify(shown)} for "${name}"`);
    await (await (await dialog(page, 'View Registration')).$('.buttons button')).click();
    await idle(page);

    const regfiles = await output.folder(page, () => press(page, 'CreateRegfilesLeft'));
    sameFiles(regfiles, cliTree(['regfiles', '--model', model, '--folder', folder]), `${model} regfiles`);
    const kinds = tyros ? [[0, 'list.txt', []]] : [[0, 'list.txt', []], [1, 'list.txt', ['--encoding', 'utf-8']], [2, 'list.htm', []]];
    for (const [filter, name, options] of kinds) {
      const written = await output.file(page, () => press(page, 'ProtocolLeft'), filter, name);
      sameFiles(written, new Map([[name, cliFile(['protocol', '--model', model, '--folder', folder, ...options], name)]]),
                `${model} protocol ${filter}`);
    }
    if (!tyros) {
      await press(page, 'LoadArchiveRight');
      await (await (await folderDialog(page)).$(`button:text-matches("${example}")`)).click();
      await answerList(page, 'Archive Selection', (options) => options.slice(0, 1));
      await idle(page);
      const first = (await lines(page, 'destination')).findIndex((text) => !text.includes('--- no reg ---') && /^\s*\d/.test(text));
      check(first >= 0, `${model}: no registration on the right`);
      // The same registration copied over itself, renamed, undone, redone and undone: the archive as loaded.
      // (Not on the PSR-9000 family: a backup keeps its style backup only while every registration
      // comes from that one backup, and a copy from the left comes from another.)
      if (!['PSR-9000', '9000Pro'].includes(model)) {
        await clickLine(page, 'source', first);
        await clickLine(page, 'destination', first);
        await press(page, 'Copy');
        await idle(page);
      }
      await renameAndUndo(page, first);
      await page.keyboard.press('Control+Shift+Z');
      await idle(page);
      check((await lines(page, 'destination'))[first].includes('Renamed'), `${model}: redo did not rename again`);
      await page.keyboard.press('Control+Z');
      await idle(page);
      const stored = await output.folder(page, () => press(page, 'StoreArchive'));
      sameFiles(stored, await cliCopy(model, example), `${model} store`);
    }
    clean();
    await context.close();
  }
}

// A bank file with a wrong mark: the desktop's message, and the banks loaded before stay.
async function damagedBank(browser, origin) {
  const folder = join(scratch, 'damaged');
  spawnSync('mkdir', ['-p', folder]);
  const good = readFileSync(join(examples, 'tyros', 'Jazz Vol.2.S017.rgt'));
  writeFileSync(join(folder, 'Broken.S001.rgt'), Buffer.concat([Buffer.from('XXXX'), good.subarray(4)]));
  const { page, context, clean } = await openPage(browser, origin);
  await chooseModel(page, 'Tyros');
  await press(page, 'LoadArchiveLeft');
  await openFolder(page, join(examples, 'tyros'));
  await answerList(page, 'Select Registration Banks', (options) => options);
  await idle(page);
  const loaded = await lines(page, 'source');
  await press(page, 'LoadArchiveLeft');
  await openFolder(page, folder);
  await answerList(page, 'Select Registration Banks', (options) => options);
  const box = await dialog(page, 'KALIVO');
  const text = await box.textContent();
  const desktop = spawnSync(cli, ['list', '--model', 'Tyros', '--folder', folder], { encoding: 'utf8' });
  // The same words for the same file; the folder is spelled as each side knows it.
  const said = desktop.stderr.replace(/^kalivo-cli: /gm, '').trim().split('\n')[0];
  const words = said.slice(said.lastIndexOf('/') + 1);
  check(words.startsWith('Broken.S001.rgt ') && text.includes(words), `the message "${text}" is not kalivo-cli's "${said}"`);
  await (await box.$('button:text-is("OK")')).click();
  await idle(page);
  const after = await lines(page, 'source');
  check(loaded.every((line, i) => after[i] === line), `the banks loaded before changed:\n${after.join('\n')}`);
  clean();
  await context.close();
}

// A view dialog's fields by name; every field has one.
async function viewFields(page, title) {
  const box = await dialog(page, title);
  const fields = await box.$$eval('input', (all) => all.map((field) => [field.getAttribute('aria-label'), field.value]));
  check(fields.length > 0 && fields.every(([name]) => name), `${title}: fields without a name: ${JSON.stringify(fields)}`);
  return Object.fromEntries(fields);
}

async function boxStates(page, title) {
  const box = await dialog(page, title);
  return box.$$eval('input[type=checkbox]', (all) => all.map((b) => (b.indeterminate ? 2 : b.checked ? 1 : 0)));
}

async function clickBox(page, title, label) {
  const box = await dialog(page, title);
  await (await box.$(`input[aria-label="${label}"]`)).click();
  // The core answers the click by showing the dialog again.
  await page.waitForFunction((old) => !document.body.contains(old), box);
}

// The dialogs whose rules the core applies between clicks: Edit Sequence
// filters what is typed, Copy Registration Settings keeps Style and
// Style-Path apart, Options is kept in the browser's storage.
async function dialogRules(browser, origin) {
  const { page, context, clean } = await openPage(browser, origin);
  await copyAllBanks(page, await loadTyrosExample(page));
  const headers = await headerLines(page, 'destination');
  await clickLine(page, 'destination', headers[0]);
  await press(page, 'EditSequence');
  const edit = await dialog(page, 'Edit Sequence:  Für Elise');
  await (await edit.$('input')).type('1x2');
  check(await (await edit.$('input')).inputValue() === '12', 'Edit Sequence took a character it refuses');
  await (await edit.$('select')).selectOption('1');
  await (await edit.$('button:text-is("OK")')).click();
  await idle(page);
  await clickLine(page, 'destination', headers[0]);
  await (await lineElement(page, 'destination', headers[0])).dblclick();
  const bank = await viewFields(page, 'View Bank');
  check(bank.Sequence === '12' && bank['Sequence End'] === 'Top', `View Bank shows ${JSON.stringify(bank)}`);
  await (await (await dialog(page, 'View Bank')).$('button')).click();
  await idle(page);

  await clickLine(page, 'source', 1);
  await clickLine(page, 'destination', headers[1] + 1);
  await press(page, 'GroupCopy');
  const title = 'Copy Registration Settings';
  await clickBox(page, title, 'Copy Style?');
  check((await boxStates(page, title))[0] === 1, 'Copy Style? is not checked after a click');
  await clickBox(page, title, 'Copy Style-Path?');
  const states = await boxStates(page, title);
  check(states[0] === 0 && states[1] === 1, `Style and Style-Path both checked: ${states}`);
  await (await (await dialog(page, title)).$('button:text-is("OK")')).click();
  await idle(page);
  await context.close();

  const second = await openPage(browser, origin);
  await chooseModel(second.page, 'PSR-740');
  await press(second.page, 'Options');
  await clickBox(second.page, 'Options', 'Ask for custom-style-archive');
  await (await (await dialog(second.page, 'Options')).$('button:text-is("OK")')).click();
  // Asking for a style archive brings the Flash Styles question, after OK and at the start.
  await (await (await dialog(second.page, 'Flash Styles')).$('button:text-is("No")')).click();
  await idle(second.page);
  await second.page.reload();
  await second.page.waitForSelector('body[data-ready="true"], dialog[open]:has(h2:text-is("Flash Styles"))');
  const flash = await second.page.$('dialog[open] button:text-is("No")');
  if (flash) await flash.click();
  await second.page.waitForSelector('body[data-ready="true"]');
  await press(second.page, 'Options');
  check((await boxStates(second.page, 'Options'))[0] === 1, 'Options were not kept across a reload');
  clean();
  second.clean();
  await second.context.close();
}

// Bank files dropped on the left pane load as Load Archive would; a left line
// dragged onto a right line copies as ">>" does.
async function drops(browser, origin) {
  const { page, context, clean } = await openPage(browser, origin);
  await chooseModel(page, 'Tyros');
  const folder = join(examples, 'tyros');
  const files = readdirSync(folder).map((name) => ({ name, bytes: Array.from(readFileSync(join(folder, name))) }));
  await page.evaluate((dropped) => {
    const transfer = new DataTransfer();
    for (const file of dropped) transfer.items.add(new File([Uint8Array.from(file.bytes)], file.name));
    const pane = document.getElementById('sourcePane');
    pane.dispatchEvent(new DragEvent('dragover', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    pane.dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, files);
  await page.waitForFunction(() => /Added 3 banks/.test(document.getElementById('status').textContent));
  await idle(page);
  const source = await lines(page, 'source');
  check((await headerLines(page, 'source')).length === 3, `the drop did not load 3 banks:\n${source.join('\n')}`);
  await page.dragAndDrop('#sourceList li[data-line="1"]', '#destinationList li[data-line="1"]');
  await idle(page);
  const copied = (await lines(page, 'destination'))[1];
  check(copied === source[1], `the dragged line shows as "${copied}", not "${source[1]}"`);
  clean();
  await context.close();
}

// 60 banks (540 lines): only the lines in view are drawn, each with its place
// in the whole list; the keys, a click and a find act on the whole list.
async function longList(browser, origin) {
  const folder = bankFolder(examples, 60);
  const { page, context, clean } = await openPage(browser, origin);
  await chooseModel(page, 'Tyros');
  await press(page, 'LoadArchiveLeft');
  await openFolder(page, folder);
  await answerList(page, 'Select Registration Banks', (options) => options);
  await idle(page);
  const all = await lines(page, 'source');
  const listed = spawnSync(cli, ['list', '--model', 'Tyros', '--folder', folder], { encoding: 'utf8' }).stdout;
  check(all.join('\n') === listed.trimEnd(), 'the list holds other lines than kalivo-cli list');
  // The drawn lines are the whole list's lines at their places, and the line asked for is among them.
  const drawn = (line) => page.$$eval('#sourceList li[data-line]', (items, [l, texts]) => {
    const list = document.getElementById('sourceList').getBoundingClientRect();
    const shown = items.find((li) => li.dataset.line === String(l));
    const box = shown && shown.getBoundingClientRect();
    return { count: items.length,
             inView: !!box && box.top >= list.top && box.bottom <= list.bottom,
             selected: !!shown && shown.getAttribute('aria-selected') === 'true',
             right: items.every((li) => li.textContent === texts[Number(li.dataset.line)] &&
                                        li.getAttribute('aria-setsize') === String(texts.length) &&
                                        li.getAttribute('aria-posinset') === String(Number(li.dataset.line) + 1)) };
  }, [line, all]);
  await clickLine(page, 'source', 270);
  for (const [key, line] of [[null, 270], ['End', all.length - 1], ['PageUp', null], ['Home', 0], ['ArrowDown', 1]]) {
    if (key) await page.keyboard.press(key);
    await idle(page);
    const selected = await page.evaluate(() => Kalivo.list('source').selected);
    const at = await drawn(selected);
    check(line === null || selected === line, `after ${key} line ${selected} is selected, not ${line}`);
    check(at.count < 100 && at.inView && at.selected && at.right, `after ${key}: ${JSON.stringify(at)}`);
  }
  // Found lines are drawn from the top even after a scroll to the end.
  await page.keyboard.press('End');
  await page.fill('#sourceFind', 'swing');
  await idle(page);
  const found = await lines(page, 'source');
  const shown = await page.$$eval('#sourceList li[data-line]', (items) => items.map((li) => li.textContent));
  check(found.length === 40 && shown.join('\n') === found.join('\n'), `find shows ${shown.length} of ${found.length} lines`);
  clean();
  await context.close();
}

// Every control is reached with Tab and has a name; at 200 % on a 1366 x 768
// screen nothing runs off to the side; on an upright tablet the panes stack.
async function screens(browser, origin) {
  const { page, context, clean } = await openPage(browser, origin);
  await loadTyrosExample(page);
  const controls = await page.$$eval('button, input, [tabindex="0"]', (all) => all
    .filter((node) => node.offsetParent !== null)
    .map((node) => ({ id: node.id || node.dataset.command || node.textContent,
                      name: (node.getAttribute('aria-label') || node.textContent || '').trim() })));
  check(controls.every((control) => control.name !== ''), `controls without a name: ${JSON.stringify(controls)}`);
  const reached = new Set();
  for (let i = 0; i < controls.length + 2; i++) {
    await page.keyboard.press('Tab');
    reached.add(await page.evaluate(() => document.activeElement.id || document.activeElement.dataset.command ||
                                          document.activeElement.textContent));
  }
  const missed = controls.filter((control) => !reached.has(control.id));
  check(missed.length === 0, `not reached with Tab: ${missed.map((control) => control.id)}`);
  await context.close();

  const zoomed = await browser.newContext({ viewport: { width: 683, height: 384 }, deviceScaleFactor: 2 });
  const small = await zoomed.newPage();
  await small.goto(origin);
  await small.waitForSelector('body[data-ready="true"]');
  const overflow = await small.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
  check(overflow <= 0, `at 200 % the page runs ${overflow} px off to the side`);
  const listHeight = await small.evaluate(() => document.getElementById('sourceList').getBoundingClientRect().height);
  check(listHeight >= 150, `at 200 % the source list is squeezed to ${listHeight} px`);
  await small.setViewportSize({ width: 768, height: 1024 });
  const stacked = await small.evaluate(() => document.getElementById('sourcePane').getBoundingClientRect().bottom <=
                                             document.getElementById('destinationPane').getBoundingClientRect().top);
  check(stacked, 'on a tablet the panes do not stack');
  await zoomed.close();
  clean();
}

// F1 shows the About box; Exit with a change asks the desktop's question, and No ends the window.
async function aboutAndExit(browser, origin) {
  const { page, context, clean } = await openPage(browser, origin);
  await page.keyboard.press('F1');
  const about = await dialog(page, 'Info about KALIVO');
  check(/Version \d+\.\d+/.test(await about.textContent()), 'the About box names no version');
  await (await about.$('button')).click();
  await copyAllBanks(page, await loadTyrosExample(page));
  await press(page, 'Exit');
  const question = await dialog(page, 'KALIVO');
  check((await question.textContent()).includes('Save changed registrations?'), 'Exit did not ask about the changes');
  await (await question.$('button:text-is("No")')).click();
  await page.waitForSelector('#ended:not([hidden])');
  clean();
  await context.close();
}

// Once opened, the page starts again and works with the network cut.
async function offline(browser, origin) {
  const { page, context, clean } = await openPage(browser, origin);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await loadTyrosExample(page);
  check((await headerLines(page, 'source')).length === 3, 'offline, the example did not load');
  clean();
  await context.close();
}

async function tyrosRoundTrip(browser, origin) {
  const want = await cliCopy('Tyros', 'tyros');
  const { page, context, clean } = await openPage(browser, origin);
  const sourceHeaders = await loadTyrosExample(page);
  check(sourceHeaders.length === 3, `3 banks loaded, not ${sourceHeaders.length}`);
  const copied = await copyAllBanks(page, sourceHeaders);
  // Find narrows the list to the matching registrations under their bank; clearing brings all back.
  await page.fill('#sourceFind', 'swing');
  await idle(page);
  const found = await lines(page, 'source');
  check(found.length === 2 && found[0] === 'Jazz Vol.2' && found[1].includes('Swing'), `find shows ${found}`);
  await page.fill('#sourceFind', '');
  await idle(page);
  check((await lines(page, 'source')).length === copied.length, 'clearing find did not bring every line back');
  // A greyed button says why it cannot act.
  await page.click('[data-command="Delete"]', { force: true });
  await idle(page);
  const why = await page.textContent('#status');
  check(why === await page.getAttribute('[data-command="Delete"]', 'title') && why !== '', `a greyed Delete said "${why}"`);
  await renameAndUndo(page, 1);
  await page.keyboard.press('Control+Shift+Z');
  await idle(page);
  check((await lines(page, 'destination'))[1].includes('Renamed'), 'redo did not rename again');
  await page.keyboard.press('Control+Z');
  await idle(page);
  check((await lines(page, 'destination')).join('\n') === copied.join('\n'), 'the second undo left other lines');
  // The desktop's keys: Delete deletes, F2 renames (Escape closes the dialog, nothing changes), Ctrl+F finds.
  await clickLine(page, 'destination', 1);
  await page.keyboard.press('Delete');
  await idle(page);
  check((await lines(page, 'destination'))[1].includes('--- no reg ---'), 'Delete did not delete');
  await page.keyboard.press('Control+Z');
  await idle(page);
  await clickLine(page, 'destination', 1);
  await page.keyboard.press('F2');
  await dialog(page, 'Change Name');
  await page.keyboard.press('Escape');
  await idle(page);
  check((await lines(page, 'destination')).join('\n') === copied.join('\n'), 'Delete, undo and a cancelled F2 changed lines');
  await page.keyboard.press('Control+F');
  check(await page.evaluate(() => document.activeElement.id) === 'sourceFind', 'Ctrl+F does not go to the find field');
  const stored = await kOutputs.download.folder(page, () => press(page, 'StoreArchive'),
                                                () => answerList(page, 'Select Registration Banks', (options) => options));
  sameFiles(stored, want, 'Tyros store');
  clean();
  await context.close();
}

// A file the browser will not hand over, chosen, picked to write into or
// dropped: its message, and the banks loaded before stay, with no folder for it.
async function unreadableFiles(browser, origin) {
  const folder = join(scratch, 'unreadable');
  spawnSync('mkdir', ['-p', folder]);
  writeFileSync(join(folder, 'Unreadable.S002.rgt'), readFileSync(join(examples, 'tyros', 'Jazz Vol.2.S017.rgt')));
  const { page, context, clean } = await openPage(browser, origin);
  await page.evaluate(() => {
    const read = Blob.prototype.arrayBuffer;
    const refuse = () => Promise.reject(new DOMException('The file could not be read.', 'NotReadableError'));
    Blob.prototype.arrayBuffer = function arrayBuffer() { return this.name === 'Unreadable.S002.rgt' ? refuse() : read.call(this); };
    const picked = [
      { name: 'picked', entries: async function* one() { yield ['Unreadable.S002.rgt', { kind: 'file', getFile: refuse }]; } },
      { name: 'unlisted', entries: async function* none() { yield await refuse(); } },
    ];
    window.showDirectoryPicker = async () => picked.shift();
  });
  await loadTyrosExample(page);
  const loaded = await lines(page, 'source');
  const folders = () => page.evaluate(() => Files.openedFolders().length);
  const opened = await folders();
  const drop = () => page.evaluate(() => {
    const transfer = new DataTransfer();
    transfer.items.add(new File(['bank'], 'Unreadable.S002.rgt'));
    document.getElementById('sourcePane').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  });
  const pick = async () => { await press(page, 'LoadArchiveLeft'); await clickButton(await folderDialog(page), 'Open a folder to write into…'); };
  for (const [how, start, said] of [
    ['Open a folder…', async () => { await press(page, 'LoadArchiveLeft'); await openFolder(page, folder); },
     'File unreadable/Unreadable.S002.rgt cannot be read'],
    ['Open a folder to write into…', pick, 'File picked/Unreadable.S002.rgt cannot be read'],
    ['a folder to write into that cannot be listed', pick, 'Folder unlisted cannot be read'],
    ['a drop', drop, 'File Unreadable.S002.rgt cannot be read']]) {
    await start();
    const box = await dialog(page, 'KALIVO');
    const text = await box.textContent();
    check(text.includes(said), `${how}: the message says "${text}"`);
    await (await box.$('button:text-is("OK")')).click();
    await idle(page);
    const status = await page.textContent('#status');
    check(!/Added|Loaded/.test(status), `${how}: the status line says "${status}"`);
    check((await lines(page, 'source')).join('\n') === loaded.join('\n'), `${how}: the banks loaded before changed`);
    check(await folders() === opened, `${how}: a folder was opened for a file that could not be read`);
  }
  clean();
  await context.close();
}

const { server, origin } = await serve(siteDir);
const browser = await launch();
for (const [name, test] of [['tyros round trip', tyrosRoundTrip],
                            ['every model', (b, o) => everyModel(b, o, kOutputs.download)],
                            ['every model in place', (b, o) => everyModel(b, o, kOutputs.inPlace)],
                            ['damaged bank', damagedBank], ['tyros in place', tyrosInPlace],
                            ['offline', offline], ['dialog rules', dialogRules],
                            ['drops', drops], ['long list', longList], ['screens', screens],
                            ['about and exit', aboutAndExit], ['unreadable files', unreadableFiles]]) {
  if (!name.includes(only)) continue;
  try {
    await test(browser, origin);
    console.log(`ok    ${name}`);
  } catch (error) {
    failures.push(name);
    console.log(`FAIL  ${name}: ${error.message}`);
    if (lastPage) {
      const picture = join(scratch, `${name.replace(/\W+/g, '-')}.png`);
      await lastPage.screenshot({ path: picture }).catch((e) => console.log(e.message));
      console.log('      status:', await lastPage.textContent('#status').catch(() => '?'));
      console.log('      dialogs:', await lastPage.evaluate(() => Array.from(document.querySelectorAll('dialog'), (d) => d.outerHTML)).catch(() => '?'));
      console.log(`      the page as it was: ${picture}`);
    }
  }
}
await browser.close();
server.kill();
writeFileSync(join(scratch, 'result.txt'), failures.join('\n'));
console.log(failures.length === 0 ? 'all browser tests passed' : `${failures.length} browser test(s) failed`);
process.exit(failures.length === 0 ? 0 : 1);
