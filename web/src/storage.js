// The program, its dialect and its breakpoints kept in the browser's local
// storage, so that a reload or a closed tab loses nothing.
const key = 'casl2wb.program';

export function loadKept() {
  try {
    const kept = JSON.parse(localStorage.getItem(key) ?? 'null');
    if (kept && typeof kept.text === 'string') return kept;
  } catch {
    // A damaged entry is left for the next save to replace.
  }
  return null;
}

export function keep(program) {
  try {
    localStorage.setItem(key, JSON.stringify(program));
  } catch {
    // Storage full or refused: the text stays in the page.
  }
}
