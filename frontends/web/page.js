// The page's side of the program: it shows what the program decides and hands it what the
// author does. Every rule and every text of the program is the program's own; the page only
// draws, asks and reports (the imports are described in page.h).
'use strict';

const PageEvent = { Command: 1, Key: 2, Mouse: 3, Resize: 4, Drop: 5, Timer: 6, Close: 7 };
const MouseKind = { Press: 0, Move: 1, Release: 2, Wheel: 3 };
const ControlKind = { Edit: 0, PushButton: 1, DefaultPushButton: 2, Static: 3, ComboBox: 4 };
const kEditMultiline = 0x0004;
const kEditNumber = 0x2000;
const kStaticNoPrefix = 0x0080;
const kIdOk = 1;
const kIdCancel = 2;
// Dialog units to pixels, for the dialogs' font: a quarter of its average width across, an
// eighth of its height down.
const kDialogUnitX = 1.75;
const kDialogUnitY = 2;

let memory = null;
const bytesAt = (pointer, length) => new Uint8Array(memory.buffer, pointer, length);
const utf16 = new TextDecoder('utf-16le');
const textAt = (pointer, length) => (length ? utf16.decode(bytesAt(pointer, length * 2)) : '');
// Writes up to capacity units of text; answers its whole length, as page.h describes.
function putText(text, pointer, capacity) {
  const units = new Uint16Array(memory.buffer, pointer, Math.min(capacity, text.length));
  for (let i = 0; i < units.length; ++i) units[i] = text.charCodeAt(i);
  return text.length;
}
// "&" marks a mnemonic and "&&" stands for "&"; a tab leads to the accelerator's keys.
const withoutMnemonics = (text) => text.replace(/&(.)/g, '$1');

const element = (tag, className, parent) => {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (parent) parent.appendChild(made);
  return made;
};

// The window's events, waited for one at a time; moves and timer ticks are merged.
const events = [];
let eventWaiter = null;
let currentEvent = [];
function post(kind, ...values) {
  const last = events[events.length - 1];
  const merges = kind === PageEvent.Timer || (kind === PageEvent.Mouse && values[0] === MouseKind.Move);
  if (merges && last && last.kind === kind && (kind === PageEvent.Timer || last.values[0] === values[0])) {
    last.values = values;
  } else {
    events.push({ kind, values });
  }
  if (eventWaiter) {
    const wake = eventWaiter;
    eventWaiter = null;
    wake();
  }
}
async function waitEvent() {
  while (events.length === 0) await new Promise((wake) => { eventWaiter = wake; });
  const event = events.shift();
  currentEvent = event.values;
  return event.kind;
}

// Files the author dropped or picked, each with its path below the drop.
let incoming = [];
async function readEntries(entry, folder, into) {
  if (entry.isFile) {
    const file = await new Promise((done, fail) => entry.file(done, fail));
    into.push({ path: folder + file.name, file });
  } else if (entry.isDirectory) {
    const reader = entry.createReader();
    for (;;) {
      const batch = await new Promise((done, fail) => reader.readEntries(done, fail));
      if (batch.length === 0) break;
      for (const child of batch) await readEntries(child, `${folder}${entry.name}/`, into);
    }
  }
}
async function withBytes(files) {
  for (const item of files) item.bytes = new Uint8Array(await item.file.arrayBuffer());
  return files;
}

const page = {
  window: null, canvas: null, context: null, menuBar: null, menus: [], listed: [],
  modals: [], ended: false, unsaved: false,
  get modal() { return this.modals[this.modals.length - 1] ?? null; },
};

function openWindow(title, minimumWidth, minimumHeight) {
  document.title = title;
  page.window = element('div', 'window', document.body);
  page.menuBar = element('nav', 'menu-bar', page.window);
  page.canvas = element('canvas', 'client', page.window);
  page.canvas.style.minWidth = `${minimumWidth}px`;
  page.canvas.style.minHeight = `${minimumHeight}px`;
  page.context = page.canvas.getContext('2d');
  watchCanvas();
  requestAnimationFrame(resize);
  new ResizeObserver(resize).observe(page.canvas);
}

function resize() {
  const { canvas } = page;
  const width = Math.max(1, Math.floor(canvas.clientWidth));
  const height = Math.max(1, Math.floor(canvas.clientHeight));
  if (canvas.width === width && canvas.height === height && canvas.dataset.placed) return;
  canvas.width = width;
  canvas.height = height;
  canvas.dataset.placed = '1';
  post(PageEvent.Resize, width, height);
}

function closeMenus() {
  for (const menu of page.menus) menu.list.hidden = true;
}

function addMenu(caption) {
  const holder = element('div', 'menu', page.menuBar);
  const title = element('button', 'menu-title', holder);
  title.textContent = withoutMnemonics(caption);
  const list = element('div', 'menu-list', holder);
  list.hidden = true;
  title.addEventListener('click', () => {
    const wasHidden = list.hidden;
    closeMenus();
    list.hidden = !wasHidden || page.modal !== null;
  });
  title.addEventListener('mouseenter', () => {
    if (page.menus.some((menu) => !menu.list.hidden)) {
      closeMenus();
      list.hidden = false;
    }
  });
  page.menus.push({ holder, list });
}

function makeMenuItem(command, caption) {
  if (command === 0) {
    const line = document.createElement('hr');
    return line;
  }
  const item = document.createElement('button');
  item.className = 'menu-item';
  item.dataset.command = String(command);
  const [label, keys] = caption.split('\t');
  element('span', 'menu-label', item).textContent = withoutMnemonics(label);
  if (keys) element('span', 'menu-keys', item).textContent = keys;
  item.addEventListener('click', () => {
    closeMenus();
    post(PageEvent.Command, command);
  });
  return item;
}

function addMenuItem(command, caption) {
  page.menus[page.menus.length - 1].list.appendChild(makeMenuItem(command, caption));
}

function beginMenuList(beforeCommand) {
  for (const item of page.listed) item.remove();
  page.listed = [];
  page.listBefore = page.window.querySelector(`.menu-item[data-command="${beforeCommand}"]`);
}

function addMenuListItem(command, caption) {
  const before = page.listBefore;
  if (!before) return;
  const item = makeMenuItem(command, caption);
  before.parentNode.insertBefore(item, before);
  page.listed.push(item);
  // A separator follows the list, once.
  if (page.listed.length === 1) {
    const line = document.createElement('hr');
    before.parentNode.insertBefore(line, before);
    page.listed.push(line);
  }
  if (page.listed.length > 2) {
    const line = page.listed.splice(1, 1)[0];
    before.parentNode.insertBefore(line, before);
    page.listed.push(line);
  }
}

function clearCanvas() {
  const { context, canvas } = page;
  context.fillStyle = getComputedStyle(canvas).backgroundColor;
  context.fillRect(0, 0, canvas.width, canvas.height);
}

function drawText(x, y, text) {
  const { context } = page;
  context.font = getComputedStyle(page.canvas).font;
  context.fillStyle = getComputedStyle(page.canvas).color;
  context.textBaseline = 'top';
  context.fillText(text, x, y);
}

function drawPicture(x, y, width, height, pointer) {
  if (width <= 0 || height <= 0) return;
  const pixels = new ImageData(new Uint8ClampedArray(bytesAt(pointer, width * height * 4)), width, height);
  page.context.putImageData(pixels, x, y);
}

// The mouse over the canvas, in its pixels; a press holds the pointer until its release.
function watchCanvas() {
  const { canvas } = page;
  const at = (event) => {
    const box = canvas.getBoundingClientRect();
    return [Math.floor(event.clientX - box.left), Math.floor(event.clientY - box.top)];
  };
  const buttonOf = (event) => ({ 0: 0, 2: 1, 1: 2 })[event.button] ?? 0;
  canvas.addEventListener('pointerdown', (event) => {
    if (page.modal) return;
    canvas.setPointerCapture(event.pointerId);
    post(PageEvent.Mouse, MouseKind.Press, buttonOf(event), ...at(event), 0);
  });
  canvas.addEventListener('pointermove', (event) => {
    post(PageEvent.Mouse, MouseKind.Move, 0, ...at(event), 0);
  });
  canvas.addEventListener('pointerup', (event) => {
    post(PageEvent.Mouse, MouseKind.Release, buttonOf(event), ...at(event), 0);
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  canvas.addEventListener('wheel', (event) => {
    event.preventDefault();
    if (page.modal || event.deltaY === 0) return;
    post(PageEvent.Mouse, MouseKind.Wheel, 0, ...at(event), event.deltaY < 0 ? 120 : -120);
  }, { passive: false });

  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    event.dataTransfer.dropEffect = page.modal ? 'none' : 'copy';
  });
  document.addEventListener('drop', async (event) => {
    event.preventDefault();
    if (page.modal || page.ended) return;
    const [x, y] = at(event);
    // The drop's items can be taken only before the first wait.
    const sources = [...event.dataTransfer.items].filter((item) => item.kind === 'file')
      .map((item) => ({ entry: item.webkitGetAsEntry(), file: item.getAsFile() }));
    const files = [];
    for (const { entry, file } of sources) {
      if (entry) await readEntries(entry, '', files);
      else files.push({ path: file.name, file });
    }
    incoming = await withBytes(files);
    post(PageEvent.Drop, x, y);
  });
}

// Windows virtual-key codes of the keys the program knows.
function virtualKeyOf(event) {
  const { code } = event;
  if (/^Key[A-Z]$/.test(code)) return code.charCodeAt(3);
  if (/^Digit[0-9]$/.test(code)) return code.charCodeAt(5);
  if (/^Numpad[0-9]$/.test(code)) return 0x60 + Number(code[6]);
  if (/^F[0-9]{1,2}$/.test(code)) return 0x6F + Number(code.slice(1));
  const named = {
    ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28, Home: 0x24, End: 0x23,
    PageUp: 0x21, PageDown: 0x22, Delete: 0x2E, Insert: 0x2D, Escape: 0x1B, Space: 0x20,
    NumpadAdd: 0x6B, NumpadSubtract: 0x6D, Equal: 0xBB, Minus: 0xBD, Slash: 0xBF,
  };
  return named[code] ?? 0;
}

document.addEventListener('keydown', (event) => {
  if (!page.window || page.modal || page.ended) return;
  const key = virtualKeyOf(event);
  if (key === 0) return;
  // The browser's own keys stay with the browser unless the program has them.
  if (event.ctrlKey || event.altKey || !event.target.closest('input,textarea,select')) {
    if (event.ctrlKey || event.altKey) event.preventDefault();
    post(PageEvent.Key, key, event.shiftKey ? 1 : 0, event.ctrlKey ? 1 : 0, event.altKey ? 1 : 0);
  }
});

window.addEventListener('beforeunload', (event) => {
  if (page.unsaved && !page.ended) event.preventDefault();
});

// A modal layer over the window: a box or a dialog. Enter presses the default button, Escape
// the one that cancels.
function openModal(caption, className) {
  closeMenus();
  const layer = element('div', 'modal-layer', document.body);
  const frame = element('div', `modal ${className}`, layer);
  element('div', 'modal-caption', frame).textContent = caption;
  const body = element('div', 'modal-body', frame);
  page.modals.push({ layer, frame, body });
  return page.modal;
}

// Closes the modal layer on top: a box over a dialog closes before the dialog.
function closeModal() {
  const top = page.modals.pop();
  if (top) top.layer.remove();
}

let box = null;
function openBox(caption, text) {
  box = openModal(caption, 'box');
  box.buttons = [];
  if (text) element('div', 'box-text', box.body).textContent = text;
  box.row = element('div', 'box-buttons', box.frame);
}
// A button's access key is its mnemonic, pressed with Alt as on the desktop.
function addBoxButton(label) {
  const button = element('button', 'box-button', box.row);
  button.textContent = withoutMnemonics(label);
  const mnemonic = /&([^&])/.exec(label);
  if (mnemonic) button.accessKey = mnemonic[1].toLowerCase();
  box.buttons.push(button);
}
function addBoxPicture(width, height, pointer) {
  const canvas = element('canvas', 'box-picture', box.body);
  canvas.width = width;
  canvas.height = height;
  canvas.getContext('2d').putImageData(
    new ImageData(new Uint8ClampedArray(bytesAt(pointer, width * height * 4)), width, height), 0, 0);
}
function addBoxField(text) {
  box.field = element('input', 'box-field', box.body);
  box.field.value = text;
}
let boxFieldText = '';
function runBox() {
  const current = box;
  return new Promise((answer) => {
    const finish = (index) => {
      boxFieldText = current.field ? current.field.value : '';
      closeModal();
      answer(index);
    };
    current.buttons.forEach((button, index) => button.addEventListener('click', () => finish(index)));
    current.frame.addEventListener('keydown', (event) => {
      // Enter on a button presses that button.
      if (event.key === 'Enter' && event.target.tagName === 'BUTTON') return;
      if (event.key === 'Enter') finish(0);
      else if (event.key === 'Escape') finish(current.buttons.length - 1);
      else return;
      event.preventDefault();
    });
    (current.field ?? current.buttons[0]).focus();
    if (current.field) current.field.select();
  });
}

// The box of long work: the work gives the page a turn now and then to move the bar, paint and
// take キャンセル, which stays pressed until the work has stopped.
let progress = null;
function openProgress(caption, text, cancelLabel) {
  progress = openModal(caption, 'box');
  element('div', 'box-text', progress.body).textContent = text;
  progress.bar = element('progress', 'box-progress', progress.body);
  progress.bar.max = 1000;
  progress.bar.value = 0;
  const row = element('div', 'box-buttons', progress.frame);
  const cancel = element('button', 'box-button', row);
  cancel.textContent = cancelLabel;
  progress.cancelled = false;
  const press = () => {
    progress.cancelled = true;
    cancel.disabled = true;
  };
  cancel.addEventListener('click', press);
  progress.frame.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') press();
  });
  cancel.focus();
}
async function stepProgress(permille) {
  progress.bar.value = permille;
  await new Promise((turn) => setTimeout(turn, 0));
  return progress.cancelled ? 1 : 0;
}
function closeProgress() {
  closeModal();
  progress = null;
}

function pickFiles() {
  return new Promise((answer) => {
    const input = element('input', 'picker', document.body);
    input.type = 'file';
    input.multiple = true;
    input.addEventListener('cancel', () => {
      input.remove();
      answer(0);
    });
    input.addEventListener('change', async () => {
      incoming = await withBytes([...input.files].map((file) => ({ path: file.name, file })));
      input.remove();
      answer(incoming.length);
    });
    input.click();
  });
}

// A dialog of the program's templates, its controls placed in dialog units.
let dialog = null;
function openDialog(title, width, height) {
  dialog = openModal(title, 'dialog');
  dialog.body.style.width = `${width * kDialogUnitX}px`;
  dialog.body.style.height = `${height * kDialogUnitY}px`;
  dialog.controls = new Map();
  dialog.focusable = [];
  dialog.events = [];
  dialog.waiter = null;
}
function postDialog(value) {
  dialog.events.push(value);
  if (dialog.waiter) {
    const wake = dialog.waiter;
    dialog.waiter = null;
    wake();
  }
}
function addControl(id, kind, x, y, width, height, style, text) {
  let made;
  if (kind === ControlKind.Edit) {
    made = document.createElement((style & kEditMultiline) ? 'textarea' : 'input');
    made.value = text;
    if (style & kEditNumber) made.inputMode = 'numeric';
    made.addEventListener('input', () => postDialog(-id));
  } else if (kind === ControlKind.PushButton || kind === ControlKind.DefaultPushButton) {
    made = document.createElement('button');
    made.textContent = withoutMnemonics(text);
    if (kind === ControlKind.DefaultPushButton) {
      made.classList.add('default');
      dialog.defaultButton = id;
    }
    made.addEventListener('click', () => postDialog(id));
  } else if (kind === ControlKind.ComboBox) {
    if ((style & 3) === 3) {
      made = document.createElement('select');
    } else {
      made = document.createElement('input');
      made.setAttribute('list', `list-${id}`);
      made.addEventListener('input', () => postDialog(-id));
    }
    height = 14;
  } else if (kind === ControlKind.Static) {
    made = document.createElement('div');
    made.textContent = (style & kStaticNoPrefix) ? text : withoutMnemonics(text);
  } else {
    made = document.createElement('div');
    made.className = 'icon';
  }
  made.classList.add('control');
  Object.assign(made.style, {
    left: `${x * kDialogUnitX}px`, top: `${y * kDialogUnitY}px`,
    width: `${width * kDialogUnitX}px`, height: `${height * kDialogUnitY}px`,
  });
  dialog.body.appendChild(made);
  dialog.controls.set(id, made);
  if (kind !== ControlKind.Static && kind < 5) dialog.focusable.push(made);
}
function showDialog(focusFirst) {
  const current = dialog;
  current.frame.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') postDialog(kIdCancel);
    else if (event.key === 'Enter' && event.target.tagName !== 'TEXTAREA' && event.target.tagName !== 'BUTTON') {
      postDialog(current.defaultButton ?? kIdOk);
    } else return;
    event.preventDefault();
  });
  if (focusFirst && current.focusable.length) current.focusable[0].focus();
}
async function waitDialog() {
  const current = dialog;
  while (current.events.length === 0) await new Promise((wake) => { current.waiter = wake; });
  return current.events.shift();
}
function setControlText(id, text, cursor) {
  const control = dialog.controls.get(id);
  if (!control) return;
  if ('value' in control && control.tagName !== 'BUTTON') {
    control.value = text;
    if (cursor >= 0) control.setSelectionRange(cursor, cursor);
  } else {
    control.textContent = text;
  }
}
function controlText(id) {
  const control = dialog.controls.get(id);
  if (!control) return '';
  return control.tagName === 'DIV' || control.tagName === 'BUTTON' ? control.textContent : control.value;
}
function setList(id, entries, selection) {
  const control = dialog.controls.get(id);
  if (!control) return;
  if (control.tagName === 'SELECT') {
    control.replaceChildren(...entries.map((text) => {
      const option = document.createElement('option');
      option.textContent = text;
      return option;
    }));
    control.selectedIndex = selection;
  } else {
    let list = document.getElementById(`list-${id}`);
    if (!list) list = element('datalist', '', dialog.body);
    list.id = `list-${id}`;
    list.replaceChildren(...entries.map((text) => {
      const option = document.createElement('option');
      option.value = text;
      return option;
    }));
    control.entries = entries;
    if (selection >= 0) control.value = entries[selection];
  }
}
function listSelection(id) {
  const control = dialog.controls.get(id);
  if (!control) return -1;
  if (control.tagName === 'SELECT') return control.selectedIndex;
  return (control.entries ?? []).indexOf(control.value);
}

function download(name, bytes) {
  const link = element('a', '', document.body);
  link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  link.download = name;
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

const settingsPrefix = 'qelcontainer:';

function pageImports() {
  const suspending = (fn) => new WebAssembly.Suspending(fn);
  return {
    open_window: (title, length, width, height) => openWindow(textAt(title, length), width, height),
    add_menu: (caption, length) => addMenu(textAt(caption, length)),
    add_menu_item: (command, caption, length) => addMenuItem(command, textAt(caption, length)),
    begin_menu_list: beginMenuList,
    add_menu_list_item: (command, caption, length) => addMenuListItem(command, textAt(caption, length)),
    clear_canvas: clearCanvas,
    draw_text: (x, y, text, length) => drawText(x, y, textAt(text, length)),
    draw_picture: drawPicture,
    start_timer: (milliseconds) => setInterval(() => post(PageEvent.Timer), milliseconds),
    set_unsaved: (unsaved) => { page.unsaved = unsaved !== 0; },
    wait_event: suspending(waitEvent),
    event_value: (index) => currentEvent[index] ?? 0,
    incoming_count: () => incoming.length,
    incoming_path: (index, into, capacity) => putText(incoming[index].path, into, capacity),
    incoming_size: (index) => incoming[index].bytes.length,
    incoming_copy: (index, into) => bytesAt(into, incoming[index].bytes.length).set(incoming[index].bytes),
    download: (name, length, bytes, size) => download(textAt(name, length), bytesAt(bytes, size).slice()),
    open_box: (caption, captionLength, text, textLength) => openBox(textAt(caption, captionLength), textAt(text, textLength)),
    add_box_button: (label, length) => addBoxButton(textAt(label, length)),
    add_box_picture: addBoxPicture,
    add_box_field: (text, length) => addBoxField(textAt(text, length)),
    run_box: suspending(runBox),
    box_field_text: (into, capacity) => putText(boxFieldText, into, capacity),
    pick_files: suspending(pickFiles),
    open_dialog: (title, length, width, height) => openDialog(textAt(title, length), width, height),
    add_control: (id, kind, x, y, width, height, style, text, length) =>
      addControl(id, kind, x, y, width, height, style, textAt(text, length)),
    show_dialog: showDialog,
    wait_dialog: suspending(waitDialog),
    set_control_text: (id, text, length, cursor) => setControlText(id, textAt(text, length), cursor),
    control_text: (id, into, capacity) => putText(controlText(id), into, capacity),
    set_list: (id, entries, length, selection) =>
      setList(id, textAt(entries, length).split('\0').slice(0, -1), selection),
    list_selection: listSelection,
    close_dialog: () => {
      closeModal();
      dialog = null;
    },
    read_setting: (key, keyLength, into, capacity) => {
      const value = localStorage.getItem(settingsPrefix + textAt(key, keyLength));
      return value === null ? -1 : putText(value, into, capacity);
    },
    write_setting: (key, keyLength, value, valueLength) => {
      try {
        localStorage.setItem(settingsPrefix + textAt(key, keyLength), textAt(value, valueLength));
        return 1;
      } catch {
        return 0;
      }
    },
    open_progress: (caption, captionLength, text, textLength, cancel, cancelLength) =>
      openProgress(textAt(caption, captionLength), textAt(text, textLength), textAt(cancel, cancelLength)),
    step_progress: suspending(stepProgress),
    close_progress: closeProgress,
    open_guide: () => (window.open('guide.html', '_blank') ? 1 : 0),
    quit: () => { page.ended = true; },
  };
}

// The few calls of the C library: output to the console, the clocks and randomness. The
// program opens no file through them.
class ProgramExit extends Error {}
function wasiImports() {
  const errnoBadf = 8;
  const errnoNosys = 52;
  const view = () => new DataView(memory.buffer);
  const lines = { 1: '', 2: '' };
  return {
    fd_write: (fd, iovs, count, written) => {
      let total = 0;
      for (let i = 0; i < count; ++i) {
        const pointer = view().getUint32(iovs + i * 8, true);
        const length = view().getUint32(iovs + i * 8 + 4, true);
        lines[fd] = (lines[fd] ?? '') + new TextDecoder().decode(bytesAt(pointer, length));
        total += length;
      }
      const parts = lines[fd].split('\n');
      lines[fd] = parts.pop();
      for (const line of parts) (fd === 2 ? console.error : console.log)(line);
      view().setUint32(written, total, true);
      return 0;
    },
    clock_time_get: (clock, precision, into) => {
      const nanoseconds = clock === 0 ? BigInt(Date.now()) * 1000000n
                                      : BigInt(Math.round(performance.now() * 1e6));
      view().setBigUint64(into, nanoseconds, true);
      return 0;
    },
    random_get: (pointer, length) => {
      for (let at = 0; at < length; at += 65536)
        crypto.getRandomValues(bytesAt(pointer + at, Math.min(65536, length - at)));
      return 0;
    },
    environ_sizes_get: (count, size) => {
      view().setUint32(count, 0, true);
      view().setUint32(size, 0, true);
      return 0;
    },
    args_sizes_get: (count, size) => {
      view().setUint32(count, 0, true);
      view().setUint32(size, 0, true);
      return 0;
    },
    environ_get: () => 0,
    args_get: () => 0,
    fd_prestat_get: () => errnoBadf,
    fd_prestat_dir_name: () => errnoBadf,
    fd_close: () => 0,
    fd_fdstat_get: () => errnoBadf,
    fd_seek: () => errnoBadf,
    proc_exit: (code) => { throw new ProgramExit(String(code)); },
  };
}

// The page's own notes, beside the program's texts.
async function showNote(which) {
  const texts = await (await fetch('page_texts.json')).json();
  document.getElementById('page-note').textContent = texts[which];
  document.body.classList.add(which);
}

async function start() {
  if (typeof WebAssembly.Suspending !== 'function') {
    await showNote('unsupported');
    return;
  }
  const module = await WebAssembly.compileStreaming(fetch('qelcontainer.wasm'));
  const wasi = wasiImports();
  // A call of the C library this page does not give answers "not supported".
  for (const { module: from, name } of WebAssembly.Module.imports(module)) {
    if (from === 'wasi_snapshot_preview1' && !(name in wasi)) wasi[name] = () => 52;
  }
  const instance = await WebAssembly.instantiate(module, {
    wasi_snapshot_preview1: wasi,
    page: pageImports(),
  });
  memory = instance.exports.memory;
  document.body.classList.add('loaded');
  try {
    await WebAssembly.promising(instance.exports._start)();
  } catch (error) {
    if (!(error instanceof ProgramExit)) {
      page.ended = true;
      await showNote('failed');
      throw error;
    }
  }
  page.ended = true;
  await showNote('ended');
}

start();
