// The dialogs the core opens through its UserInterface, as HTML dialogs. Each
// resolves with the answer as text, or null when cancelled or closed. Their
// rules (which characters a name takes, how it is stored) are asked of the core.
'use strict';

const Dialogs = (() => {
  // The title of the core's own messages.
  const kProgramTitle = 'KALIVO';
  let module = null;
  const timing = { answeredAt: 0 };  // when the person last answered a dialog

  function attach(theModule) { module = theModule; }

  // Calls the core's name rules while it waits for this dialog. Not through
  // ccall: that would take the waiting command's place in Asyncify.
  function callNow(name, ...args) {
    const copies = [];
    const values = args.map((arg) => {
      if (typeof arg === 'number') return arg;
      const bytes = typeof arg === 'string' ? new TextEncoder().encode(arg) : arg;
      const at = module._malloc(bytes.length + 1);
      module.HEAPU8.set(bytes, at);
      module.HEAPU8[at + bytes.length] = 0;
      copies.push(at);
      return at;
    });
    try {
      return module[`_${name}`](...values);
    } finally {
      copies.forEach((at) => module._free(at));
    }
  }

  function element(tag, props = {}, ...children) {
    const node = document.createElement(tag);
    Object.assign(node, props);
    node.append(...children);
    return node;
  }

  // A modal dialog; build(dialog, done) fills it and returns what gets the focus.
  function modal(title, build) {
    return new Promise((resolve) => {
      const dialog = element('dialog');
      const heading = element('h2', { id: `dialog-${Date.now()}-${Math.random().toString(36).slice(2)}`,
                                      textContent: title });
      dialog.setAttribute('aria-labelledby', heading.id);
      dialog.append(heading);
      let answered = false;
      const done = (value) => {
        if (answered) return;
        answered = true;
        timing.answeredAt = performance.now();
        dialog.close();
        dialog.remove();
        resolve(value);
      };
      dialog.addEventListener('cancel', (event) => { event.preventDefault(); done(null); });
      const focus = build(dialog, done);
      document.body.append(dialog);
      dialog.showModal();
      if (focus) focus.focus();
    });
  }

  function buttonRow(...buttons) { return element('div', { className: 'buttons' }, ...buttons); }

  function button(text, onClick) {
    const node = element('button', { type: 'button', textContent: text });
    node.addEventListener('click', onClick);
    return node;
  }

  function message({ text, title }) {
    return modal(title, (dialog, done) => {
      const ok = button('OK', () => done(''));
      dialog.append(element('p', { textContent: text }), buttonRow(ok));
      return ok;
    });
  }

  function question({ text, title, buttons, defaultNo }) {
    return modal(title, (dialog, done) => {
      const nodes = buttons.map((name) => button(name, () => done(name === 'Cancel' ? null : name)));
      dialog.append(element('p', { textContent: text }), buttonRow(...nodes));
      return nodes[defaultNo ? 1 : 0];
    });
  }

  // A list to choose one line (or several) from; double-click or Enter is OK.
  // It opens on the line the core names (current), and OK with nothing chosen
  // says, inside the dialog, what the core says.
  function listChoice(title, { names, current, nothingChosen }, multiple) {
    return modal(title, (dialog, done) => {
      const select = element('select', { size: Math.min(12, Math.max(4, names.length)), multiple });
      select.setAttribute('aria-label', title);
      names.forEach((name, i) => select.append(element('option', { value: String(i), textContent: name })));
      select.selectedIndex = current;
      const hint = element('p', { textContent: nothingChosen, hidden: true });
      hint.setAttribute('role', 'status');
      const answer = () => {
        const chosen = Array.from(select.selectedOptions).map((option) => option.value);
        if (chosen.length === 0) { hint.hidden = false; return; }
        done(chosen.join(','));
      };
      select.addEventListener('dblclick', answer);
      select.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); answer(); } });
      dialog.append(select, hint, buttonRow(button('OK', answer), button('Cancel', () => done(null))));
      return select;
    });
  }

  // One byte per character, as the core's name rules count them.
  function bytesOf(text) { return Uint8Array.from(text.split(''), (c) => (c.charCodeAt(0) > 255 ? 63 : c.charCodeAt(0))); }

  function filterTyped(rule, before, input) {
    const old = bytesOf(before);
    const now = bytesOf(input.value);
    const at = callNow('kalivo_filter_edit', rule, old, old.length, now, now.length, input.selectionStart);
    let text = '';
    for (let i = at; module.HEAPU8[i] !== 0; i++) text += String.fromCharCode(module.HEAPU8[i]);
    if (text !== input.value) {
      const caret = callNow('kalivo_filter_caret');
      input.value = text;
      input.setSelectionRange(caret, caret);
    }
  }

  // Change Name and Change Archive Name: an edit, OK and Cancel.
  function nameEdit(title, { current, maxLength, rule, storedLength }) {
    return modal(title, (dialog, done) => {
      const input = element('input', { type: 'text', value: current, maxLength: Math.max(maxLength, current.length) });
      input.setAttribute('aria-label', 'Name');
      const stored = element('p', { className: 'note' });
      const showStored = () => {
        if (storedLength > 0) {
          stored.textContent = `Stored as: ${module.UTF8ToString(callNow('kalivo_disk_name', input.value, storedLength))}`;
        }
      };
      let before = current;
      input.addEventListener('input', () => {
        if (rule !== null) filterTyped(rule, before, input);
        before = input.value;
        showStored();
      });
      const ok = async () => {
        if (!callNow('kalivo_name_fits', input.value, current, maxLength)) {
          await message({ text: `Please enter no more than ${maxLength} characters.`, title: 'kalivo' });
          input.focus();
          return;
        }
        done(input.value);
      };
      input.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); ok(); } });
      dialog.append(input);
      if (storedLength > 0) {
        dialog.append(element('p', { className: 'note', textContent: "Letters, digits, space and ! # $ % & ' ( ) - @ ^ _ ` { } ~" }), stored);
        showStored();
      }
      dialog.append(buttonRow(button('OK', ok), button('Cancel', () => done(null))));
      return input;
    });
  }

  // Where a command reads or writes: a folder opened before, a folder to open
  // (copied in, read only), a folder to write into where the browser allows
  // it, or a new empty folder whose results are downloaded.
  // A file the browser would not hand over: said as the core says a file it
  // cannot read, and the command goes on as if nothing was chosen.
  async function unreadable(error) {
    if (!(error instanceof Files.Unreadable)) throw error;
    await message({ text: error.message, title: kProgramTitle });
  }

  function folder({ title }) {
    return modal(title, (dialog, done) => {
      // Opening copies the files in; one that cannot be read opens nothing.
      const open = async (opening) => {
        try {
          done((await opening()) || null);
        } catch (error) {
          done({ error });
        }
      };
      const list = element('div', { className: 'folders' });
      for (const opened of Files.openedFolders()) {
        list.append(button(`Folder "${opened.label}"${opened.handle ? ' (written in place)' : ''}`, () => done(opened.path)));
      }
      const input = element('input', { type: 'file', id: 'folderInput', hidden: true, webkitdirectory: true, multiple: true });
      input.addEventListener('change', () => open(() => Files.openFileList(input.files)));
      // Some browsers choose files only, not folders: those files then make the folder.
      const files = element('input', { type: 'file', id: 'filesInput', hidden: true, multiple: true });
      files.addEventListener('change', () => open(() => Files.openFileList(files.files)));
      list.append(input, files, button('Open a folder…', () => input.click()), button('Open files…', () => files.click()));
      if (window.showDirectoryPicker) {
        list.append(button('Open a folder to write into…', async () => {
          let handle = null;
          try {
            handle = await window.showDirectoryPicker({ mode: 'readwrite' });
          } catch (error) {
            return;  // the person closed the picker: the choice stays open
          }
          open(() => Files.openWritable(handle));
        }));
      }
      list.append(button('New empty folder (the results are downloaded)', () => done(Files.newOutputFolder())));
      dialog.append(list, buttonRow(button('Cancel', () => done(null))));
      return list.querySelector('button');
    }).then(async (answer) => {
      if (answer === null || typeof answer === 'string') return answer;
      await unreadable(answer.error);
      return null;
    });
  }

  function endingOf(pattern) {
    const match = /\*(\.[^;*]+)/.exec(pattern || '');
    return match ? match[1] : '';
  }

  // Save As: a name, a kind, and where: into a folder opened for writing, or
  // offered as a download.
  function saveFile({ fileName, defaultExtension, filters }) {
    return modal('Save As', (dialog, done) => {
      const input = element('input', { type: 'text', value: fileName });
      input.setAttribute('aria-label', 'File name');
      const kind = element('select');
      kind.setAttribute('aria-label', 'Save as type');
      filters.forEach((filter, i) => kind.append(element('option', { value: String(i), textContent: filter.name })));
      const place = element('select');
      place.setAttribute('aria-label', 'Save in');
      place.append(element('option', { value: '', textContent: 'Download' }));
      for (const opened of Files.openedFolders().filter((folder) => folder.handle)) {
        place.append(element('option', { value: opened.path, textContent: `Folder "${opened.label}"` }));
      }
      const ok = () => {
        let name = input.value.trim().replace(/[\\/]/g, '_');
        if (name === '') return;
        if (!name.includes('.')) name += endingOf(filters[kind.selectedIndex] && filters[kind.selectedIndex].pattern) || defaultExtension;
        const folder = place.value || Files.newOutputFolder();
        done(`${Math.max(0, kind.selectedIndex)}\n${folder}/${name}`);
      };
      input.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); ok(); } });
      dialog.append(input, kind, place, buttonRow(button('Save', ok), button('Cancel', () => done(null))));
      return input;
    });
  }

  // The view dialogs: read-only fields where the core places them (its
  // tables, rows and columns), a frame with a caption around a group.
  function view({ title, button: name, tables }) {
    return modal(title, (dialog, done) => {
      dialog.classList.add('form');
      for (const { caption, rows } of tables) {
        const grid = element('table', {}, ...rows.map((cells) => element('tr', {}, ...cells.map(formCell))));
        dialog.append(caption ? element('fieldset', {}, element('legend', { textContent: caption }), grid) : grid);
      }
      const ok = button(name, () => done(''));
      dialog.append(buttonRow(ok));
      return ok;
    });
  }

  // A hidden cell keeps its room, so the columns below stay put.
  function formCell({ label, name, value, chars, span = 1, hidden = false }) {
    const cell = element('td', { colSpan: span });
    if (hidden) cell.style.visibility = 'hidden';
    if (label !== undefined) {
      cell.textContent = label;
    } else if (value !== undefined) {
      const field = element('input', { type: 'text', readOnly: true, value });
      field.style.width = `${chars + 1}ch`;
      field.setAttribute('aria-label', name);
      cell.append(field);
    }
    return cell;
  }

  function about({ version }) {
    return modal('Info about KALIVO', (dialog, done) => {
      const ok = button('OK', () => done(''));
      dialog.append(element('img', { src: 'kalivo.svg', alt: '', width: 32, height: 32 }),
                    element('p', { textContent: `KALIVO  Version ${version}` }), buttonRow(ok));
      return ok;
    });
  }

  // A field whose typing the core's rule filters (Edit Sequence, Edit Icon).
  function filteredField({ label, value, filter, used, maxLength }) {
    const input = element('input', { type: 'text', value, maxLength });
    input.setAttribute('aria-label', label);
    input.addEventListener('input', () => {
      const at = filter === 'sequence' ? callNow('kalivo_filter_sequence', input.value, used)
        : callNow('kalivo_filter_icon', input.value, input.selectionStart);
      const text = module.UTF8ToString(at);
      if (text === input.value) return;
      const caret = filter === 'sequence' ? text.length : callNow('kalivo_filter_caret');
      input.value = text;
      input.setSelectionRange(caret, caret);
    });
    return input;
  }

  // Check boxes, a field and a list whose rules the core applies: a click on a
  // box answers at once ("box:<n>") and the core opens the dialog again with
  // the new state; a button answers "<button>\n<field>\n<chosen lines>".
  function choices({ title, intro, rows = [], field, list, buttons, focus }) {
    return modal(title, (dialog, done) => {
      if (intro) dialog.append(table(intro));
      const grid = element('table');
      const boxes = rows.map((row, i) => {
        const box = element('input', { type: 'checkbox', checked: row.state === 1, indeterminate: row.state === 2 });
        box.setAttribute('aria-label', row.box);
        box.addEventListener('click', (event) => { event.preventDefault(); done(`box:${i}`); });
        const tr = element('tr', {}, element('td', { textContent: row.label }), element('td', { textContent: row.note }),
                           element('td', {}, element('label', {}, box, ` ${row.box}`)));
        tr.hidden = !row.visible;
        grid.append(tr);
        return box;
      });
      if (rows.length > 0) dialog.append(grid);
      const input = field ? filteredField(field) : null;
      if (input) dialog.append(element('label', {}, `${field.label} `, input));
      let select = null;
      if (list) {
        select = element('select', { size: list.lines.length, multiple: true });
        select.setAttribute('aria-label', list.label);
        list.lines.forEach((line, i) => select.append(element('option', { value: String(i), textContent: line,
                                                                           selected: list.chosen.includes(i) })));
        dialog.append(element('p', { className: 'note', textContent: list.label }), select);
      }
      const answer = (name) => {
        const chosen = select ? Array.from(select.selectedOptions, (option) => option.value).join(',') : '';
        done(`${name}\n${input ? input.value : ''}\n${chosen}`);
      };
      dialog.append(buttonRow(...buttons.map((name) => button(name, () => (name === 'Cancel' ? done(null) : answer(name))))));
      if (input) input.addEventListener('keydown', (event) => { if (event.key === 'Enter') { event.preventDefault(); answer(buttons[0]); } });
      return boxes[focus] || input || dialog.querySelector('button');
    });
  }

  function table(pairs) {
    const node = element('table');
    for (let i = 0; i + 1 < pairs.length; i += 2) {
      node.append(element('tr', {}, element('td', { textContent: pairs[i] }), element('td', { textContent: pairs[i + 1] })));
    }
    return node;
  }

  const dialogs = {
    choices,
    message,
    question,
    folder,
    saveFile,
    view,
    about,
    selectArchive: (request) => listChoice('Archive Selection', request, false),
    selectModel: (request) => listChoice('Select Keyboard Model', request, false),
    selectBanks: (request) => listChoice('Select Registration Banks', request, true),
    changeName: ({ current, maxLength }) => nameEdit('Change Name', { current, maxLength, rule: 0, storedLength: 0 }),
    changeArchiveName: ({ current, maxLength, diskNameLength }) =>
      nameEdit('Change Archive Name', { current, maxLength, rule: diskNameLength > 0 ? 1 : null, storedLength: diskNameLength }),
  };

  function open(name, request) {
    const dialog = dialogs[name];
    if (!dialog) return message({ text: `No dialog "${name}" in this page.`, title: 'kalivo' }).then(() => null);
    return dialog(request);
  }

  return { attach, open, unreadable, timing };
})();
