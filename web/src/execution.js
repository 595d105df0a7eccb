// The execution window and the trace window of the page: the CPU panel, the
// list (run lines, dumps, the replayed step's memory with its changed cells
// marked), the program's output, how the run ended, and the trace text with
// the step's line selected.
const escapes = { '&': '&amp;', '<': '&lt;', '>': '&gt;' };
const escape = (text) => text.replace(/[&<>]/g, (c) => escapes[c]);

// Each entry of a memory list row is eleven characters wide.
const entryWidth = 11;

// A row with its changed entries marked, and the note of its labels shown
// after it (not part of the row's text).
function rowHtml(line, entries, note) {
  let html = escape(line);
  if (entries) {
    const characters = [...line];
    html = '';
    for (let start = 0; start < characters.length; start += entryWidth) {
      const text = escape(characters.slice(start, start + entryWidth).join(''));
      html += entries.has(start / entryWidth) ? `<mark>${text}</mark>` : text;
    }
  }
  return note ? `<span class="noted" data-note="${escape(note).replace(/"/g, '&quot;')}">${html}</span>` : html;
}

// A list of many lines (a run may print 100 000) that shows only the rows
// around its view: the lines come from `fetch(from, count)` as they are
// needed. Rows are of one height (the list's line-height).
const windowRows = 400;

export class LinesView {
  constructor(element, fetch) {
    this.element = element;
    this.fetch = fetch;
    this.count = 0;
    this.cells = new Map();
    this.notes = new Map();
    this.first = -1;
    element.textContent = '';
    this.sizer = document.createElement('div');
    this.rows = document.createElement('div');
    this.rows.className = 'rows';
    element.append(this.sizer, this.rows);
    element.addEventListener('scroll', () => this.render(false));
  }

  rowHeight() {
    return parseFloat(getComputedStyle(this.element).lineHeight);
  }

  // Shows `count` lines with the entries `cells` ([row, entry]) marked and
  // the `notes` ([row, text]) after their rows, in view from the top or at
  // the end.
  show(count, cells = [], at = 'top', notes = []) {
    this.count = count;
    this.notes = new Map(notes);
    this.cells = new Map();
    for (const [row, entry] of cells) {
      if (!this.cells.has(row)) this.cells.set(row, new Set());
      this.cells.get(row).add(entry);
    }
    this.sizer.style.height = `${count * this.rowHeight()}px`;
    this.element.scrollTop = at === 'end' ? this.element.scrollHeight : 0;
    this.render(true);
  }

  render(always) {
    const height = this.rowHeight();
    const inView = Math.floor(this.element.scrollTop / height);
    // The rows from a window's length before the view: a short list is shown whole.
    const first = Math.max(0, Math.min(inView - windowRows / 2, this.count - windowRows));
    // Scrolling redraws only when the view comes near the edge of the rows drawn.
    const inside = inView >= this.first && inView + 80 <= this.first + windowRows;
    if (!always && (first === this.first || (inside && Math.abs(first - this.first) < 50))) return;
    this.first = first;
    const lines = this.fetch(first, windowRows);
    this.rows.style.top = `${first * height}px`;
    this.rows.innerHTML = lines
      .map((line, n) => rowHtml(line, this.cells.get(first + n), this.notes.get(first + n)))
      .join('\n');
  }
}

export function showPanel(state) {
  const panel = state.panel;
  const changed = new Set([
    ...state.changes.registers.map((n) => `gr${n}`),
    ...(state.changes.flags ? ['fr'] : []),
    ...(state.changes.sp ? ['sp'] : []),
  ]);
  const values = panel
    ? { mnemonic: panel.mnemonic, pr: panel.pr, sp: panel.sp, fr: panel.fr,
      ...Object.fromEntries(panel.gr.map((value, n) => [`gr${n}`, value])) }
    : {};
  for (const element of document.querySelectorAll('[data-panel]')) {
    const name = element.dataset.panel;
    element.textContent = values[name] ?? '';
    element.classList.toggle('changed', changed.has(name));
  }
}

// The trace text with the replay's selection: a range of characters (code
// points) turned into the page's UTF-16 units.
export function showTrace(element, text, selection) {
  const characters = [...text];
  const before = characters.slice(0, selection.start).join('');
  const chosen = characters.slice(selection.start, selection.start + selection.length).join('');
  const after = characters.slice(selection.start + selection.length).join('');
  element.innerHTML = `${escape(before)}<mark id="trace-selection">${escape(chosen)}</mark>${escape(after)}`;
  // Only the trace scrolls to the selection, never the page.
  const mark = element.querySelector('#trace-selection');
  if (selection.length > 0 && (mark.offsetTop < element.scrollTop
      || mark.offsetTop + mark.offsetHeight > element.scrollTop + element.clientHeight)) {
    element.scrollTop = mark.offsetTop - element.clientHeight / 2;
  }
}
