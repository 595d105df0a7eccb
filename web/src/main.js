// The page: the editor window, the execution window and the trace window of
// the workbench over one core module, with the program kept in the browser.
import { texts, caption } from './texts.js';
import { createEditor } from './editor.js';
import { choiceBox, inputBox, messageBox } from './dialogs.js';
import { loadKept, keep } from './storage.js';
import { LinesView, showPanel, showTrace } from './execution.js';

const $ = (selector) => document.querySelector(selector);

// Menu and button texts with their access keys underlined.
function label(element, text) {
  const { text: shown, key } = caption(text);
  element.textContent = '';
  const at = key ? shown.indexOf(key) : -1;
  if (at < 0) {
    element.textContent = shown;
    return;
  }
  element.append(shown.slice(0, at));
  const underlined = document.createElement('u');
  underlined.textContent = key;
  element.append(underlined, shown.slice(at + 1));
}

async function start() {
  const module = await window.createWorkbenchModule();
  const workbench = new module.Workbench();
  let dialect = 'workbench';
  let fileName = '';
  // The text of the file the program came from or was last saved to: text
  // that differs from it is only dropped when the user says so.
  let fileText = '';
  let checkedText = null;
  let traceText = '';
  let state = null;

  for (const element of document.querySelectorAll('[data-text]')) label(element, texts[element.dataset.text]);
  const linesOf = (which) => (from, count) => JSON.parse(workbench.lines(which, from, count));
  const runList = new LinesView($('#run-list'), linesOf('list'));
  const programOutput = new LinesView($('#program-output'), linesOf('output'));

  const keepSoon = (() => {
    let timer = null;
    return () => {
      clearTimeout(timer);
      timer = setTimeout(() => keep({ text: editor.text(), dialect, fileName, fileText,
        breakpoints: editor.breakpointLines() }), 200);
    };
  })();
  const editor = createEditor({ parent: $('#editor'), module, onChange: keepSoon });

  const sameLines = (a, b) => a.replace(/\n$/, '') === b.replace(/\n$/, '');
  const changedSinceCheck = () => checkedText === null || !sameLines(editor.text(), checkedText);

  function showDialect() {
    const name = dialect === 'standard' ? texts.standardDialectAction : texts.workbenchDialectAction;
    $('#dialect-status').textContent = texts.dialectCaption + name;
    for (const item of document.querySelectorAll('[data-dialect]')) {
      item.setAttribute('aria-checked', String(item.dataset.dialect === dialect));
    }
    $('#address-row').hidden = dialect !== 'standard';
  }

  // The window after a check, a run (its lines at the end in view) or a
  // replayed step (the memory from its first line).
  function showState(next, listAt = 'top') {
    const outputChanged = !state || state.runCount !== next.runCount
      || state.outputSize !== next.outputSize;
    state = next;
    showPanel(state);
    runList.show(state.listSize, state.changes.cells, listAt, state.labelNotes);
    // A step leaves the program's output as the run left it.
    if (outputChanged) programOutput.show(state.outputSize, [], 'end');
    $('#run-end').textContent = state.runEnd;
    $('#step-counter').textContent = state.stepCounter;
    $('#step-box').value = String(state.shownStep);
    $('#step-box').max = String(state.steps);
    $('#step-box').disabled = state.steps === 0;
    showTrace($('#trace'), traceText, state.traceSelection);
    editor.showStepLine(state.stepLine);
  }

  function showExecution() {
    $('#execution-window').hidden = false;
    $('#trace-window').hidden = false;
  }

  function check() {
    const result = JSON.parse(workbench.check(editor.text(), dialect === 'standard', fileName));
    if (result.message) {
      messageBox(result.message);
      return;
    }
    const list = $('#message-list');
    list.replaceChildren(...result.listing.map((item) => {
      const row = document.createElement('div');
      row.textContent = item.text;
      row.addEventListener('dblclick', () => editor.goToLine(item.line));
      return row;
    }));
    editor.showErrors(result.errors);
    traceText = result.trace;
    checkedText = editor.text();
    showState(result.state);
  }

  async function run() {
    const answers = [];
    for (;;) {
      const result = JSON.parse(workbench.run(JSON.stringify(answers), changedSinceCheck()));
      if (result.refused) {
        await messageBox(result.refused, texts.executionWindowCaption);
        return;
      }
      if (result.needsInput) {
        answers.push(await inputBox(result.needsInput));
        continue;
      }
      showExecution();
      showState(result, 'end');
      for (const notice of result.notices) await messageBox(notice, texts.executionWindowCaption);
      return;
    }
  }

  function replay(json) {
    const result = JSON.parse(json);
    if (result.status !== undefined) {
      $('#run-end').textContent = result.status;
      return;
    }
    showState(result);
  }

  function printDocument(kind) {
    const result = JSON.parse(workbench.print(kind));
    if (result.refused) {
      messageBox(result.refused, texts.executionWindowCaption);
      return;
    }
    // Each line in the document's font size; the browser breaks the pages.
    $('#print-area').replaceChildren(...result.lines.map((line) => {
      const row = document.createElement('div');
      row.textContent = line.text || ' ';
      row.style.fontSize = `${line.size}pt`;
      return row;
    }));
    window.print();
  }

  // Whether text that differs from its file may go: 保存 saves it first (a
  // download), 保存しない drops it, キャンセル keeps it.
  async function mayDropText(what, loadedName = '') {
    if (sameLines(editor.text(), fileText)) return true;
    const choice = await choiceBox(module.dropQuestion(what, fileName, loadedName),
      [texts.saveChoice, texts.dontSaveChoice, texts.cancelButton], 2);
    if (choice === 0) save();
    return choice !== 2;
  }

  async function open(file) {
    if (!(await mayDropText('load', file.name))) return;
    file.arrayBuffer().then((bytes) => {
      editor.setText(module.editorTextOfFile(new Uint8Array(bytes)));
      fileText = editor.text();
      fileName = file.name;
      document.title = `${file.name} - ${texts.productTitle}`;
      check();
      keepSoon();
    });
  }

  async function clear() {
    if (!(await mayDropText('clear'))) return;
    editor.setText('');
    $('#message-list').replaceChildren();
    fileName = '';
    fileText = '';
    checkedText = null;
    document.title = texts.productTitle;
    keepSoon();
  }

  function save() {
    fileText = editor.text();
    keepSoon();
    const blob = new Blob([module.savedFileText(editor.text())], { type: 'text/plain' });
    const link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = fileName || 'program.cas';
    link.click();
    URL.revokeObjectURL(link.href);
  }

  const actions = {
    open: () => $('#open-file').click(),
    save,
    printList: () => printDocument('list'),
    printProgram: () => printDocument('program'),
    find: () => editor.openFind(),
    nextError: () => editor.goToError(true),
    previousError: () => editor.goToError(false),
    check,
    executionWindows: showExecution,
    clear,
    standard: () => setDialect('standard'),
    workbench: () => setDialect('workbench'),
    run,
    printRun: () => printDocument('run'),
    printCpu: () => printDocument('cpu'),
    stepForward: () => replay(workbench.stepForward()),
    stepBack: () => replay(workbench.stepBack()),
    nextBreak: () => replay(workbench.goToBreak(true, JSON.stringify(editor.breakpointLines()))),
    previousBreak: () => replay(workbench.goToBreak(false, JSON.stringify(editor.breakpointLines()))),
  };
  for (const element of document.querySelectorAll('[data-action]')) {
    element.addEventListener('click', () => {
      element.closest('details')?.removeAttribute('open');
      actions[element.dataset.action]();
    });
  }
  $('#open-file').addEventListener('change', (event) => {
    if (event.target.files.length > 0) open(event.target.files[0]);
    event.target.value = '';
  });
  $('#step-box').addEventListener('change', (event) => {
    replay(workbench.goToStep(Number(event.target.value) || 1));
  });
  $('#address-box').addEventListener('change', (event) => {
    replay(workbench.showMemoryAt(event.target.value));
  });
  // The replay's keys in the execution window, as on the desktop.
  $('#execution-window').addEventListener('keydown', (event) => {
    if (event.target.matches('input')) return;
    const keys = {
      F10: event.shiftKey ? actions.stepBack : actions.stepForward,
      ArrowRight: actions.stepForward,
      ArrowLeft: actions.stepBack,
      Home: () => replay(workbench.goToStep(1)),
      End: () => replay(workbench.goToStep(state ? state.steps : 1)),
    };
    if (keys[event.key]) {
      event.preventDefault();
      keys[event.key]();
    }
  });

  // Alt with a menu's access key opens the menu or presses the button, in
  // the window that holds the focus (the editor's otherwise).
  document.addEventListener('keydown', (event) => {
    if (!event.altKey || event.ctrlKey || event.key.length !== 1) return;
    const owner = document.activeElement?.closest('.window') ?? $('#editor-window');
    for (const element of owner.querySelectorAll('.menubar > button, .menubar summary')) {
      if (element.querySelector('u')?.textContent.toLowerCase() !== event.key.toLowerCase()) continue;
      event.preventDefault();
      element.click();
      return;
    }
  });

  // An open menu closes when the click is elsewhere.
  document.addEventListener('click', (event) => {
    for (const menu of document.querySelectorAll('.menubar details[open]')) {
      if (!menu.contains(event.target)) menu.removeAttribute('open');
    }
  });

  function setDialect(next) {
    if (next === dialect) return;
    dialect = next;
    // The program of the last check was read in the other dialect.
    checkedText = null;
    showDialect();
    keepSoon();
  }

  const kept = loadKept();
  if (kept) {
    editor.setText(kept.text);
    dialect = kept.dialect === 'standard' ? 'standard' : 'workbench';
    fileName = kept.fileName ?? '';
    fileText = kept.fileText ?? '';
    if (fileName) document.title = `${fileName} - ${texts.productTitle}`;
    editor.setBreakpoints(kept.breakpoints ?? []);
  }
  showDialect();
  editor.focus();
  window.readyAt = performance.now();
  document.body.dataset.ready = 'true';
}

start().catch((error) => {
  document.body.dataset.ready = 'failed';
  messageBox(String(error));
});
