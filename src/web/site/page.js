// The main window in the page: draws what the core's view calls say and
// passes every click, key and drop to the core. The rules (what a list shows,
// when a command can act and why not, what the status line says) are the core's.
'use strict';

const Kalivo = (() => {
  const $ = (id) => document.getElementById(id);
  const panes = { source: 0, destination: 1 };
  const lists = { source: new LineList($('sourceList'), 'source'),
                  destination: new LineList($('destinationList'), 'destination') };
  const finds = { source: $('sourceFind'), destination: $('destinationFind') };
  let module = null;
  let states = {};
  let queue = Promise.resolve();
  let settingsText = null;
  // When the last command ended and when its result was on the screen, for
  // the benchmarks (with Dialogs.timing.answeredAt).
  const timing = { finished: 0, drawn: 0 };
  const settingsKey = 'kalivo.ini';

  // ---- calls into the core, one at a time --------------------------------

  // A call that may open a dialog (and so wait) runs after the one before it.
  // Only commands write files (a store, regfiles, a protocol, also after a
  // save question), so only around them are the folders compared.
  function call(name, types = [], args = []) {
    const writes = name === 'kalivo_run';
    const run = async () => {
      if (writes) Files.beforeCommand();
      const unsavedBefore = writes && module._kalivo_changed();
      try {
        return await module.ccall(name, 'number', types, args, { async: true });
      } finally {
        keepSettings();
        if (writes) refused(await Files.afterCommand(), unsavedBefore);
        timing.finished = performance.now();
        requestAnimationFrame(() => setTimeout(() => { timing.drawn = performance.now(); }));
      }
    };
    const result = queue.then(run);
    queue = result.catch((error) => console.error(error));
    return result;
  }

  // A folder refused what the command wrote. If the command stored the
  // changes (they were unsaved and are no longer), the core counts them as
  // unsaved again; either way the status line says what did not happen.
  function refused(text, unsavedBefore) {
    if (text === null) return;
    if (unsavedBefore && !module._kalivo_changed()) module.ccall('kalivo_store_not_on_disk', null, ['string'], [text]);
    else view.showStatus({ text });
  }

  function run(command) {
    if (command === 'FindSource' || command === 'FindDestination') {
      const pane = command === 'FindSource' ? 'source' : 'destination';
      if (states[command] && states[command].enabled) {
        finds[pane].focus();
        finds[pane].select();
        return Promise.resolve();
      }
    }
    return call('kalivo_run', ['string'], [command]);
  }

  // ---- the view ------------------------------------------------------------

  const view = {
    setLines({ pane, lines }) { lists[pane].setLines(lines); },
    setLineKinds({ pane, headers }) { lists[pane].setKinds(headers); },
    selectLine({ pane, line }) { lists[pane].select(line); },
    // The line worked on comes just into view and is where the keys start;
    // the list keeps its scroll offset otherwise.
    keepLineInView({ pane, line }) { lists[pane].keepInView(line); },
    scrollToTop({ pane }) { lists[pane].scrollToTop(); },
    focusList({ pane }) { lists[pane].element.focus(); },
    clearFind({ pane }) { finds[pane].value = ''; },
    setEditText({ field, text }) { $(field).textContent = text; },
    setButtonVisible({ command, visible }) {
      document.querySelectorAll(`[data-command="${command}"]`).forEach((b) => { b.hidden = !visible; });
    },
    setEnabled({ enabled }) { $('window').inert = !enabled; },
    showStatus({ text }) { $('status').textContent = Files.shown(text); },
    setCommandStates(all) {
      states = all;
      for (const [command, state] of Object.entries(all)) {
        document.querySelectorAll(`[data-command="${command}"]`).forEach((button) => {
          // Greyed, but still clickable: a click says why it cannot act.
          button.setAttribute('aria-disabled', String(!state.enabled));
          button.title = state.enabled ? '' : state.whyNot;
          if (!state.visible) button.hidden = true;
        });
      }
      finds.source.disabled = !(all.FindSource && all.FindSource.enabled);
      finds.destination.disabled = !(all.FindDestination && all.FindDestination.enabled);
    },
    close() { $('window').hidden = true; $('ended').hidden = false; },
    wait(waiting) { $('window').setAttribute('aria-busy', String(waiting)); },
    dialog(name, request) {
      return Dialogs.open(name, typeof request.text === 'string' ? { ...request, text: Files.shown(request.text) } : request);
    },
  };

  // ---- lists ---------------------------------------------------------------

  function wireList(pane) {
    const list = lists[pane];
    const element = list.element;
    let held = null;  // a second click on the chosen right-hand line waits for a double-click
    const choose = (line) => call('kalivo_select', ['number', 'number'], [panes[pane], line]);
    element.addEventListener('click', (event) => {
      const line = list.lineOf(event.target);
      if (line < 0) return;
      if (pane === 'destination' && line === list.selected) {
        clearTimeout(held);
        held = setTimeout(() => choose(line), 400);
        return;
      }
      list.select(line);
      choose(line);
    });
    element.addEventListener('dblclick', (event) => {
      if (list.lineOf(event.target) < 0) return;
      clearTimeout(held);
      call('kalivo_double_click', ['number'], [panes[pane]]);
    });
    element.addEventListener('keydown', (event) => {
      const { count, current } = list;
      const page = list.pageSize();
      const moves = { ArrowDown: current + 1, ArrowUp: current - 1, Home: 0, End: count - 1,
                      PageDown: current + page, PageUp: current - page };
      if (event.key in moves && count > 0 && !event.ctrlKey && !event.altKey) {
        event.preventDefault();
        const line = Math.min(count - 1, Math.max(0, current < 0 && event.key === 'ArrowDown' ? 0 : moves[event.key]));
        if (line !== list.selected) {
          list.select(line);
          choose(line);
        }
      } else if (event.key === 'Enter' && list.selected >= 0) {
        event.preventDefault();
        call('kalivo_double_click', ['number'], [panes[pane]]);
      }
    });
    finds[pane].addEventListener('input', () => {
      call('kalivo_set_filter', ['number', 'string'], [panes[pane], finds[pane].value]);
    });
  }

  // A left line dragged onto a right line is ">>" with those two lines.
  function wireLineDrops() {
    const source = lists.source;
    source.element.addEventListener('dragstart', (event) => {
      const line = source.lineOf(event.target);
      if (line < 0) return;
      event.dataTransfer.setData('application/x-kalivo-line', String(line));
      event.dataTransfer.effectAllowed = 'copy';
    });
    const target = lists.destination;
    target.element.addEventListener('dragover', (event) => {
      if (!event.dataTransfer.types.includes('application/x-kalivo-line')) return;
      event.preventDefault();
      target.setDropLine(target.lineOf(event.target));
    });
    target.element.addEventListener('dragleave', () => target.setDropLine(-1));
    target.element.addEventListener('drop', (event) => {
      const data = event.dataTransfer.getData('application/x-kalivo-line');
      const line = target.lineOf(event.target);
      target.setDropLine(-1);
      if (data === '' || line < 0) return;
      event.preventDefault();
      call('kalivo_drop_line', ['number', 'number'], [Number(data), line]);
    });
  }

  // Files or a folder dropped on the left pane load as Load Archive would.
  function wireFileDrops() {
    const pane = $('sourcePane');
    pane.addEventListener('dragover', (event) => {
      if (!event.dataTransfer.types.includes('Files')) return;
      event.preventDefault();
      pane.classList.add('dropping');
    });
    pane.addEventListener('dragleave', () => pane.classList.remove('dropping'));
    pane.addEventListener('drop', async (event) => {
      if (!event.dataTransfer.types.includes('Files')) return;
      event.preventDefault();
      pane.classList.remove('dropping');
      let paths = [];
      try {
        paths = await Files.openDropped(event.dataTransfer);
      } catch (error) {
        await Dialogs.unreadable(error);
        view.showStatus({ text: error.message });
        return;
      }
      if (paths.length > 0) call('kalivo_drop_files', ['string'], [paths.join('\n')]);
    });
  }

  // ---- keys ----------------------------------------------------------------

  // The desktop's keys; those the browser keeps for itself (Ctrl+N, Ctrl+Q) may not arrive.
  function commandForKey(event) {
    const ctrl = event.ctrlKey || event.metaKey;
    const key = event.key.length === 1 ? event.key.toLowerCase() : event.key;
    const inField = event.target instanceof HTMLInputElement;
    if (key === 'F1') return 'Info';
    if (key === 'F2') return 'Rename';
    if (!ctrl) return key === 'Delete' && !inField ? 'Delete' : null;
    if (event.shiftKey) return { o: 'LoadArchiveLeft', f: 'FindDestination', z: 'Redo' }[key] || null;
    if (inField && (key === 'z' || key === 'y')) return null;
    return { o: 'LoadArchiveRight', n: 'NewRight', s: 'StoreArchive', z: 'Undo', y: 'Redo', f: 'FindSource',
             q: 'Exit' }[key] || null;
  }

  function wireKeys() {
    document.addEventListener('keydown', (event) => {
      if (document.querySelector('dialog[open]')) return;
      const command = commandForKey(event);
      if (command) {
        event.preventDefault();
        run(command);
      }
    });
    document.querySelectorAll('[data-command]').forEach((button) => {
      button.addEventListener('click', () => run(button.dataset.command));
    });
  }

  // ---- the settings file, kept in the browser's storage ----------------------

  function restoreSettings() {
    module.FS.mkdirTree('/settings');
    settingsText = localStorage.getItem(settingsKey);
    if (settingsText !== null) module.FS.writeFile('/settings/kalivo.ini', settingsText);
  }

  function keepSettings() {
    try {
      const text = module.FS.readFile('/settings/kalivo.ini', { encoding: 'utf8' });
      if (text !== settingsText) {
        localStorage.setItem(settingsKey, text);
        settingsText = text;
      }
    } catch (error) {
      // No settings file yet: nothing chosen to remember.
    }
  }

  async function start() {
    module = await createKalivo({ page: view });
    Files.attach(module);
    Dialogs.attach(module);
    restoreSettings();
    wireList('source');
    wireList('destination');
    wireLineDrops();
    wireFileDrops();
    wireKeys();
    $('restart').addEventListener('click', () => location.reload());
    // Leaving the page loses what was not stored, as closing the window would.
    window.addEventListener('beforeunload', (event) => {
      if (module._kalivo_changed()) event.preventDefault();
    });
    await call('kalivo_start');
    $('window').setAttribute('aria-busy', 'false');
    lists.source.element.focus();
    document.body.dataset.ready = 'true';
  }

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  start();
  return { run, call, timing, states: () => states, list: (pane) => lists[pane] };
})();
