// The page's modal boxes: IN's input box (OK, or キャンセル as the desktop's
// cancel) and message boxes, both on <dialog> elements of the page.
import { texts } from './texts.js';

// Resolves to the text entered, or null when the box is cancelled.
export function inputBox({ title, prompt, defaultText }) {
  const dialog = document.getElementById('input-box');
  dialog.querySelector('.dialog-title').textContent = title;
  dialog.querySelector('.dialog-prompt').textContent = prompt;
  const field = dialog.querySelector('input');
  field.value = defaultText ?? '';
  return new Promise((resolve) => {
    const finish = (value) => {
      dialog.removeEventListener('close', onClose);
      dialog.close();
      resolve(value);
    };
    const onClose = () => finish(null);
    dialog.addEventListener('close', onClose);
    dialog.querySelector('.dialog-ok').onclick = (event) => { event.preventDefault(); finish(field.value); };
    dialog.querySelector('.dialog-cancel').onclick = (event) => { event.preventDefault(); finish(null); };
    dialog.showModal();
    field.select();
  });
}

export function messageBox(text, title = texts.productTitle) {
  const dialog = document.getElementById('message-box');
  dialog.querySelector('.dialog-title').textContent = title;
  dialog.querySelector('.dialog-prompt').textContent = text;
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => resolve(), { once: true });
    dialog.querySelector('.dialog-ok').onclick = (event) => { event.preventDefault(); dialog.close(); };
    dialog.showModal();
  });
}

// A question with buttons; resolves to the index of the button pressed, or
// `escapeIndex` when the box is closed with Escape.
export function choiceBox(text, buttons, escapeIndex, title = texts.productTitle) {
  const dialog = document.getElementById('choice-box');
  dialog.querySelector('.dialog-title').textContent = title;
  dialog.querySelector('.dialog-prompt').textContent = text;
  const row = dialog.querySelector('.buttons');
  return new Promise((resolve) => {
    let chosen = escapeIndex;
    row.replaceChildren(...buttons.map((label, index) => {
      const button = document.createElement('button');
      button.textContent = label.replace('&', '');
      button.onclick = (event) => { event.preventDefault(); chosen = index; dialog.close(); };
      return button;
    }));
    dialog.addEventListener('close', () => resolve(chosen), { once: true });
    dialog.showModal();
  });
}
