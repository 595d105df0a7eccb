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
