// The program box: line numbers, the fields coloured as the check cuts them,
// Tab to the field columns, the check's error marks, breakpoints and the
// replayed step's line (all following edits), find and replace.
import { EditorState, StateEffect, StateField, RangeSet } from '@codemirror/state';
import {
  EditorView, Decoration, ViewPlugin, GutterMarker, gutter, keymap, lineNumbers,
  highlightActiveLine, drawSelection,
} from '@codemirror/view';
import { defaultKeymap, history, historyKeymap, insertNewline } from '@codemirror/commands';
import { search, searchKeymap, openSearchPanel, gotoLine } from '@codemirror/search';
import { texts } from './texts.js';

const partClasses = ['cas-label', 'cas-operation', 'cas-operand', 'cas-literal', 'cas-comment'];

// Marks of whole lines that move with the text: a set of line-start
// positions, each with a value.
function lineMarks() {
  const set = StateEffect.define();
  const field = StateField.define({
    create: () => RangeSet.empty,
    update(marks, transaction) {
      marks = marks.map(transaction.changes);
      for (const effect of transaction.effects) if (effect.is(set)) marks = effect.value;
      return marks;
    },
  });
  return { set, field };
}

class ErrorMarker extends GutterMarker {
  constructor(messages) { super(); this.messages = messages; }
  toDOM() {
    const mark = document.createElement('span');
    mark.className = 'cas-error-mark';
    mark.title = this.messages.join('\n');
    return mark;
  }
}
class BreakpointMarker extends GutterMarker {
  toDOM() {
    const mark = document.createElement('span');
    mark.className = 'cas-breakpoint-mark';
    mark.textContent = '●';
    return mark;
  }
}
const breakpointMarker = new BreakpointMarker();

const errors = lineMarks();
const breakpoints = lineMarks();
const stepLine = lineMarks();

// The width of the text before the caret in characters (a character above
// U+FFFF is one), as the desktop counts columns.
function columnsOf(text) {
  return [...text].length;
}

export function createEditor({ parent, module, onChange }) {
  // The fields' colours of the lines in view.
  const colouring = ViewPlugin.fromClass(class {
    constructor(view) { this.decorations = this.build(view); }
    update(update) {
      if (update.docChanged || update.viewportChanged) this.decorations = this.build(update.view);
    }
    build(view) {
      const ranges = [];
      for (const { from, to } of view.visibleRanges) {
        for (let pos = from; pos <= to;) {
          const line = view.state.doc.lineAt(pos);
          for (const [part, start, length] of JSON.parse(module.sourceParts(line.text))) {
            if (length > 0) {
              ranges.push(Decoration.mark({ class: partClasses[part] })
                .range(line.from + start, line.from + start + length));
            }
          }
          pos = line.to + 1;
        }
      }
      return Decoration.set(ranges, true);
    }
  }, { decorations: (plugin) => plugin.decorations });

  const lineClasses = EditorView.decorations.compute([errors.field, stepLine.field], (state) => {
    const ranges = [];
    const add = (marks, cls) => {
      for (let cursor = marks.iter(); cursor.value; cursor.next()) {
        ranges.push(Decoration.line({ class: cls }).range(cursor.from));
      }
    };
    add(state.field(errors.field), 'cas-error-line');
    add(state.field(stepLine.field), 'cas-step-line');
    return Decoration.set(ranges, true);
  });

  // Tab: spaces up to the next field column, or the selected lines moved to
  // the next one; Shift+Tab moves them back.
  function tab(view, back) {
    const { state } = view;
    const range = state.selection.main;
    const first = state.doc.lineAt(range.from);
    let last = state.doc.lineAt(range.to);
    if (!back && first.number === last.number) {
      const column = columnsOf(state.sliceDoc(first.from, range.from)) + 1;
      const spaces = ' '.repeat(module.nextFieldColumn(column) - column);
      view.dispatch(state.replaceSelection(spaces));
      return true;
    }
    if (last.number > first.number && range.to === last.from) last = state.doc.line(last.number - 1);
    // The leftmost column where a line's text starts; blank lines do not count.
    let leftmost = 0;
    for (let n = first.number; n <= last.number; ++n) {
      const column = state.doc.line(n).text.search(/[^ ]/) + 1;
      if (column > 0) leftmost = leftmost === 0 ? column : Math.min(leftmost, column);
    }
    if (leftmost === 0) leftmost = 1;
    const step = back ? leftmost - module.previousFieldColumn(leftmost)
      : module.nextFieldColumn(leftmost) - leftmost;
    const changes = [];
    for (let n = first.number; n <= last.number; ++n) {
      const line = state.doc.line(n);
      const spaces = line.text.search(/[^ ]|$/);
      if (back) changes.push({ from: line.from, to: line.from + Math.min(spaces, step) });
      else if (spaces < line.text.length) changes.push({ from: line.from, insert: ' '.repeat(step) });
    }
    const transaction = state.update({ changes });
    const endLine = transaction.state.doc.line(last.number);
    view.dispatch(transaction, {
      selection: { anchor: transaction.state.doc.line(first.number).from, head: endLine.to },
    });
    return true;
  }

  const view = new EditorView({
    parent,
    state: EditorState.create({
      doc: '',
      extensions: [
        lineNumbers(),
        gutter({
          class: 'cas-marks',
          markers: (v) => RangeSet.join([v.state.field(errors.field), v.state.field(breakpoints.field)]),
          initialSpacer: () => breakpointMarker,
          domEventHandlers: {
            mousedown(v, line) {
              toggleBreakpoint(v.state.doc.lineAt(line.from).number);
              return true;
            },
          },
        }),
        errors.field, breakpoints.field, stepLine.field,
        history(),
        drawSelection(),
        highlightActiveLine(),
        colouring,
        lineClasses,
        search({ top: true }),
        EditorState.phrases.of(texts.phrases),
        EditorState.tabSize.of(8),
        keymap.of([
          // A new line starts at column 1, as in the desktop's program box.
          { key: 'Enter', run: insertNewline },
          { key: 'Tab', run: (v) => tab(v, false) },
          { key: 'Shift-Tab', run: (v) => tab(v, true) },
          { key: 'F8', run: () => goToError(true) },
          { key: 'Shift-F8', run: () => goToError(false) },
          { key: 'F9', run: (v) => { toggleBreakpoint(v.state.doc.lineAt(v.state.selection.main.head).number); return true; } },
          { key: 'Ctrl-g', run: gotoLine },
          ...searchKeymap, ...historyKeymap, ...defaultKeymap,
        ]),
        EditorView.updateListener.of((update) => {
          if (update.docChanged) onChange();
        }),
      ],
    }),
  });

  function lineStart(number) {
    const doc = view.state.doc;
    return doc.line(Math.max(1, Math.min(number, doc.lines))).from;
  }

  function goToLine(number) {
    if (number < 1) return;
    const from = lineStart(number);
    view.dispatch({ selection: { anchor: from }, scrollIntoView: true });
    view.focus();
  }

  function errorLines() {
    const lines = [];
    for (let cursor = view.state.field(errors.field).iter(); cursor.value; cursor.next()) {
      lines.push(view.state.doc.lineAt(cursor.from).number);
    }
    return lines;
  }

  function goToError(forward) {
    const here = view.state.doc.lineAt(view.state.selection.main.head).number;
    const lines = errorLines();
    const target = forward ? lines.find((n) => n > here) : lines.reverse().find((n) => n < here);
    if (target !== undefined) goToLine(target);
    return true;
  }

  function breakpointLines() {
    const lines = [];
    for (let cursor = view.state.field(breakpoints.field).iter(); cursor.value; cursor.next()) {
      lines.push(view.state.doc.lineAt(cursor.from).number);
    }
    return [...new Set(lines)];
  }

  function setBreakpoints(lines) {
    const doc = view.state.doc;
    const ranges = [...new Set(lines)].filter((n) => n >= 1 && n <= doc.lines).sort((a, b) => a - b)
      .map((n) => breakpointMarker.range(doc.line(n).from));
    view.dispatch({ effects: breakpoints.set.of(RangeSet.of(ranges)) });
    onChange();
  }

  function toggleBreakpoint(number) {
    const lines = breakpointLines();
    setBreakpoints(lines.includes(number) ? lines.filter((n) => n !== number) : [...lines, number]);
  }

  return {
    view,
    text: () => view.state.doc.toString(),
    setText(text) {
      view.dispatch({
        changes: { from: 0, to: view.state.doc.length, insert: text },
        effects: [errors.set.of(RangeSet.empty), breakpoints.set.of(RangeSet.empty),
          stepLine.set.of(RangeSet.empty)],
      });
    },
    // The check's errors: [{line, messages}] on lines up to `linesRead`.
    showErrors(found) {
      const doc = view.state.doc;
      const ranges = found.filter((e) => e.line >= 1 && e.line <= doc.lines)
        .map((e) => new ErrorMarker(e.messages).range(doc.line(e.line).from));
      view.dispatch({ effects: errors.set.of(RangeSet.of(ranges, true)) });
      if (found.length > 0) goToLine(found[0].line);
    },
    showStepLine(number) {
      const doc = view.state.doc;
      const ranges = number >= 1 && number <= doc.lines ? [breakpointMarker.range(doc.line(number).from)] : [];
      view.dispatch({ effects: stepLine.set.of(RangeSet.of(ranges)) });
      if (ranges.length > 0) view.dispatch({ effects: EditorView.scrollIntoView(doc.line(number).from, { y: 'nearest' }) });
    },
    goToLine,
    goToError,
    errorLines,
    breakpointLines,
    setBreakpoints,
    openFind: () => openSearchPanel(view),
    focus: () => view.focus(),
  };
}
