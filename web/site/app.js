'use strict';
// The page. Everything it shows comes from the core (brenvox.js / brenvox.wasm): the pages, their
// texts in the person's language, the ranges and lists, and every value, which lives in the
// core's one ModuleSettings. The page only draws controls and moves values, bytes and clicks.

const $ = (id) => document.getElementById(id);

function el(tag, props, ...children) {
  const e = document.createElement(tag);
  if (props) Object.assign(e, props);
  for (const c of children) if (c !== null && c !== undefined) e.append(c);
  return e;
}

const app = {
  M: null,       // the core's module
  d: null,       // what the core describes: pages, texts, ranges, lists
  t: null,       // the texts
  slot: 0,       // the input event shown in the slot editor
  port: null,    // the serial port chosen in the browser's picker
  fileHandle: null,  // where "Zapisz" writes, when the browser lets the page keep one
  refreshers: [],
  slotRefreshers: [],
  transferActive: false,
  pumpQueued: false,
  abortShownAt: 0,
  barTimer: 0,
};

// ---- Calls into the core ----

function withStrings(strings, fn) {
  const M = app.M;
  const ptrs = strings.map((s) => M.allocateUTF8(String(s)));
  try {
    return fn(...ptrs);
  } finally {
    ptrs.forEach((p) => M._free(p));
  }
}
const str = (ptr) => app.M.UTF8ToString(ptr);
const getValue = (key) => withStrings([key], (k) => str(app.M._brenvox_get(k)));
const setValue = (key, value) => withStrings([key, value], (k, v) => app.M._brenvox_set(k, v)) === 1;
const settingsName = () => str(app.M._brenvox_name());

function resultBytes(length) {
  if (length < 0) return null;
  const at = app.M._brenvox_result_bytes();
  return app.M.HEAPU8.slice(at, at + length);
}

function message(json) {
  return json ? JSON.parse(json) : null;
}

// ---- Dialogs ----

// The question dialog: resolves to 'ok', 'no', or null when it was closed or left with Escape
// (which never counts as consent).
function ask(caption, line1, line2, kind) {
  const t = app.t;
  const dlg = $('ask');
  $('ask-caption').textContent = caption;
  $('ask-line1').textContent = line1 || '';
  $('ask-line2').textContent = line2 || '';
  $('ask-line2').hidden = !line2;
  const ok = $('ask-ok'), no = $('ask-no');
  ok.textContent = t.ok;
  no.textContent = t.no;
  no.hidden = kind !== 'question';
  dlg.returnValue = '';
  return new Promise((resolve) => {
    dlg.addEventListener('close', () => resolve(dlg.returnValue === 'ok' || dlg.returnValue === 'no' ? dlg.returnValue : null),
      { once: true });
    dlg.showModal();
    // A question has its safe answer focused; a message its only button.
    (kind === 'question' ? no : ok).focus();
  });
}

const tell = (caption, line1, line2) => ask(caption, line1, line2, 'message');
const question = (line1, line2) => ask(app.t.confirm, line1, line2, 'question');

function askModulePin() {
  const dlg = $('pin-dialog');
  const input = $('pin-input');
  input.value = '';
  dlg.returnValue = '';
  return new Promise((resolve) => {
    dlg.addEventListener('close', () => resolve(dlg.returnValue === 'ok' ? input.value : null), { once: true });
    dlg.showModal();
    input.focus();
  });
}

// ---- Controls ----

function refreshAll() {
  app.refreshers.forEach((r) => r());
  refreshSlot();
  $('status-name').textContent = app.t.statusName + settingsName();
}

function refreshSlot() {
  const list = $('slot-list');
  if (list) list.selectedIndex = app.slot;
  app.slotRefreshers.forEach((r) => r());
}

function slotKey(field) {
  return app.d.slots[app.slot].key + field;
}

// The slot editor stores every field of the shown event on any change, as the program does: a
// function list showing no function stores -1, and no reaction chosen keeps the stored one.
// False when a text holds a character the module's code page cannot (that field keeps its value).
function storeSlot() {
  let ok = setValue(slotKey('C'), $('slot-C').value);
  setValue(slotKey('F'), String($('slot-F').selectedIndex));
  if ($('slot-R-0').checked) setValue(slotKey('R'), '0');
  if ($('slot-R-1').checked) setValue(slotKey('R'), '1');
  ok = setValue(slotKey('P'), $('slot-P').value) && ok;
  ok = setValue(slotKey('S'), $('slot-S').value) && ok;
  setValue(slotKey('L'), $('slot-L').checked ? '1' : '0');
  return ok;
}

function textField(item, id, keyOf, onStore) {
  const input = el('input', { type: 'text', id, maxLength: item.maxLength, spellcheck: false, autocomplete: 'off' });
  input.size = Math.min(Math.max(item.maxLength, 4), 20);
  let shown = '';
  input.addEventListener('input', () => {
    // A character the module's code page cannot hold is refused where it is typed.
    if (onStore ? onStore(input) : setValue(keyOf(), input.value)) shown = input.value;
    else input.value = shown;
  });
  return { input, show: () => { shown = getValue(keyOf()); input.value = shown; } };
}

function functionList(id, keyOf, onStore) {
  const select = el('select', { id });
  app.d.functions.forEach((name, value) => select.append(el('option', { value: String(value), textContent: name })));
  select.addEventListener('change', () => (onStore ? onStore() : setValue(keyOf(), String(select.selectedIndex))));
  // A value outside the list (a file can bring one) shows no function.
  return { select, show: () => { select.selectedIndex = Number(getValue(keyOf())); } };
}

function drawItem(item, row) {
  const t = app.t;
  const slotted = !!item.slotField;
  const keyOf = slotted ? () => slotKey(item.key) : () => item.key;
  const idOf = (suffix) => (slotted ? 'slot-' : 'set-') + item.key + (suffix === undefined ? '' : '-' + suffix);
  const refreshers = slotted ? app.slotRefreshers : app.refreshers;
  switch (item.kind) {
    case 'text':
      row.append(el('span', { className: 'label', textContent: item.text }));
      return;
    case 'note':
      row.append(el('span', { className: 'note', textContent: item.text }));
      return;
    case 'edit': {
      const f = textField(item, idOf(), keyOf, slotted ? storeSlot : null);
      refreshers.push(f.show);
      row.append(f.input);
      return;
    }
    case 'spin': {
      const [min, max] = app.d.ranges[item.key];
      const input = el('input', { type: 'number', id: idOf(), min, max, step: 1, className: 'spin' });
      const show = () => { input.value = getValue(item.key); };
      input.addEventListener('input', () => {
        const v = Number(input.value);
        if (input.value !== '' && Number.isInteger(v) && v >= min && v <= max) setValue(item.key, input.value);
      });
      // Leaving the field: what is outside the range becomes its nearest bound, what is no
      // whole number its minimum, as the model stores it.
      input.addEventListener('change', () => { setValue(item.key, input.value.trim()); show(); });
      refreshers.push(show);
      row.append(input);
      return;
    }
    case 'functions': {
      const f = functionList(idOf(), keyOf, slotted ? storeSlot : null);
      refreshers.push(f.show);
      row.append(f.select);
      return;
    }
    case 'check': {
      const box = el('input', { type: 'checkbox', id: idOf() });
      box.addEventListener('change', () => (slotted ? storeSlot() : setValue(item.key, box.checked ? '1' : '0')));
      refreshers.push(() => { box.checked = getValue(keyOf()) === '1'; });
      row.append(el('label', { className: 'check' }, box, ' ' + item.text));
      return;
    }
    case 'choice': {
      const radio = el('input', { type: 'radio', id: idOf(item.value), name: (slotted ? 'slot-' : 'set-') + item.key });
      const caption = el('span', { textContent: item.text || '' });
      radio.addEventListener('change', () => {
        if (!radio.checked) return;
        if (slotted) storeSlot();
        else setValue(item.key, String(item.value));
      });
      refreshers.push(() => {
        radio.checked = Number(getValue(keyOf())) === item.value;
        // The slot editor's reactions are named after the shown input's two states.
        if (slotted) caption.textContent = app.d.inputs[app.d.slots[app.slot].input - 1][3 + item.value];
      });
      row.append(el('label', { className: slotted ? 'check reaction' : 'check' }, radio, ' ', caption));
      return;
    }
    case 'command': {
      const id = item.command === 'preset' ? 'btn-preset-' + (row.querySelectorAll('button').length + 1)
                                           : 'btn-' + item.command.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase());
      const button = el('button', { id, textContent: item.text, type: 'button' });
      button.addEventListener('click', () => runCommand(item));
      row.append(button);
      return;
    }
    case 'slotList': {
      const list = el('select', { id: 'slot-list', size: app.d.slots.length });
      list.setAttribute('aria-label', t.slotList || '');
      app.d.slots.forEach((s, i) => list.append(el('option', { value: String(i), textContent: s.text })));
      list.addEventListener('change', () => {
        app.slot = Math.max(0, list.selectedIndex);
        refreshSlot();
      });
      row.append(list);
      return;
    }
    case 'inputDescription': {
      const lines = [0, 1, 2].map((n) => el('div', { id: 'input-line' + (n + 1), className: n ? 'describe' : 'describe first' }));
      app.slotRefreshers.push(() => {
        const texts = app.d.inputs[app.d.slots[app.slot].input - 1];
        lines.forEach((l, n) => { l.textContent = texts[n]; });
      });
      row.append(...lines);
      return;
    }
    case 'portChoice': {
      const name = el('span', { id: 'port-name' });
      const button = el('button', { id: 'btn-port', type: 'button', textContent: t.choosePort });
      button.addEventListener('click', () => choosePort());
      app.refreshers.push(() => { name.textContent = portName(); });
      row.append(el('span', { className: 'label', textContent: t.portLabel }), name, button);
      return;
    }
  }
}

function drawPages() {
  const d = app.d;
  const tabs = $('tabs'), pages = $('pages');
  d.pages.forEach((page, p) => {
    const n = p + 1;
    const tab = el('button', { id: 'tab-' + n, type: 'button', textContent: page.caption, className: 'tab' });
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-controls', 'page-' + n);
    tab.addEventListener('click', () => showPage(n));
    tabs.append(tab);
    const panel = el('div', { id: 'page-' + n, className: 'page' });
    panel.setAttribute('role', 'tabpanel');
    const column = el('div', { className: 'groups' });
    for (const group of page.groups) {
      const frame = group.title ? el('fieldset', { className: 'group' }, el('legend', { textContent: group.title }))
                                : el('div', { className: 'side' });
      for (const items of group.rows) {
        const cells = el('div', { className: 'cells' });
        for (let i = 0; i < items.length; ++i) {
          // The page keeps no archive of transfers (the browser gives it no folder to keep one in):
          // its button and the label beside it are left out.
          if (items[i].command === 'archive') { ++i; continue; }
          drawItem(items[i], cells);
        }
        if (!cells.childNodes.length) continue;
        // A label before its field lines up with the other labels of the group; anything else
        // takes the group's whole width.
        const row = el('div', { className: 'row' });
        const first = cells.firstChild;
        if (items[0].kind === 'text' && cells.childNodes.length > 1) row.append(first);
        else cells.classList.add('wide');
        row.append(cells);
        frame.append(row);
      }
      (group.title ? column : panel).append(frame);
    }
    panel.append(column);
    pages.append(panel);
  });
}

function showPage(n) {
  // The address names the page shown (#3), so a page can be bookmarked or reloaded in place.
  if (location.hash !== '#' + n) history.replaceState(null, '', '#' + n);
  document.querySelectorAll('.tab').forEach((tab, i) => {
    tab.setAttribute('aria-selected', String(i + 1 === n));
    $('page-' + (i + 1)).hidden = i + 1 !== n;
  });
  // The slot editor shows the stored values of its event whenever its page comes into view.
  if ($('page-' + n).querySelector('#slot-list')) refreshSlot();
}

// ---- Files ----

function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = el('a', { href: url, download: name });
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60000);
}

async function writeHandle(handle, bytes) {
  const w = await handle.createWritable();
  await w.write(bytes);
  await w.close();
}

// Keeps bytes on the person's disk: through the browser's save dialog where it has one (the
// page may then write the same file again on "Zapisz"), else as a download. False when the
// person cancelled; a failure is reported and counts as not kept.
async function keep(bytes, suggestedName, type, remember) {
  if (window.showSaveFilePicker) {
    let handle;
    try {
      handle = await window.showSaveFilePicker({ suggestedName });
    } catch (e) {
      return null;
    }
    try {
      await writeHandle(handle, bytes);
    } catch (e) {
      await tell(app.t.confirm, app.t.saveFailed);
      return null;
    }
    if (remember) app.fileHandle = handle;
    return handle.name;
  }
  download(suggestedName, bytes, type);
  return suggestedName;
}

function settingsBytes() {
  return resultBytes(app.M._brenvox_file_bytes());
}

async function saveAs() {
  const bytes = settingsBytes();
  if (!bytes) return tell(app.t.confirm, app.t.saveFailed);
  const name = await keep(bytes, settingsName(), 'application/octet-stream', true);
  if (name === null) return;
  withStrings([name], (n) => app.M._brenvox_saved(n));
  refreshAll();
}

async function save() {
  // New settings have no name to be saved under yet.
  if (settingsName() === app.newName) return saveAs();
  const bytes = settingsBytes();
  if (!bytes) return tell(app.t.confirm, app.t.saveFailed);
  if (app.fileHandle) {
    try {
      await writeHandle(app.fileHandle, bytes);
    } catch (e) {
      return tell(app.t.confirm, app.t.saveFailed);
    }
  } else {
    download(settingsName(), bytes, 'application/octet-stream');
  }
  withStrings([''], (n) => app.M._brenvox_saved(n));
}

function openFile() {
  const input = $('file-open');
  input.value = '';
  input.click();
}

async function fileChosen() {
  const file = $('file-open').files[0];
  if (!file) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  const M = app.M;
  const at = M._malloc(Math.max(bytes.length, 1));
  M.HEAPU8.set(bytes, at);
  const msg = message(withStrings([file.name], (n) => str(M._brenvox_open_file(at, bytes.length, n))));
  M._free(at);
  app.fileHandle = null;
  refreshAll();
  if (msg) await tell(msg.caption, msg.line1, msg.line2);
}

function pdfBytes() {
  return resultBytes(app.M._brenvox_pdf_bytes());
}

// The printout goes to the browser's PDF viewer, which prints it; where the browser will not
// open it, it is saved instead.
function print() {
  const bytes = pdfBytes();
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/pdf' }));
  if (!window.open(url, '_blank')) download(settingsName() + '.pdf', bytes, 'application/pdf');
  setTimeout(() => URL.revokeObjectURL(url), 600000);
}

// ---- The module ----

function portName() {
  if (!app.port) return app.t.portNone;
  const info = app.port.getInfo ? app.port.getInfo() : {};
  if (info.usbVendorId === undefined) return app.t.portChosen;
  const hex = (v) => v.toString(16).padStart(4, '0').toUpperCase();
  return app.t.portUsb.replace('%1', hex(info.usbVendorId)).replace('%2', hex(info.usbProductId || 0));
}

async function choosePort() {
  if (!navigator.serial) {
    await tell(app.t.confirm, app.t.noSerial1, app.t.noSerial2);
    return false;
  }
  try {
    app.port = await navigator.serial.requestPort();
  } catch (e) {
    return false;  // the person closed the picker
  }
  refreshAll();
  return true;
}

async function startOperation(mode) {
  const t = app.t;
  const program = mode === app.d.modes.program, read = mode === app.d.modes.read;
  // The browser asks for the port while the click that started this is fresh.
  if (!app.port && !(await choosePort())) return;
  // Before programming, and before a read replaces edits never saved, the offer to save;
  // Escape or closing the question cancels the operation, nothing is sent.
  if (program || (read && app.M._brenvox_edited())) {
    const answer = await question(t.offerSave);
    if (answer === null) return;
    if (answer === 'ok') await saveAs();
    // A save cancelled or failed does not stop programming (the settings stay in the page), but
    // it does stop the read, which would lose them.
    if (read && answer === 'ok' && app.M._brenvox_edited()) return;
  }
  // The runner takes the operation and checks the settings first: a failure is one message.
  const failure = message(withStrings([portName()], (d) => str(app.M._brenvox_operation_check(mode, d))));
  if (failure) {
    await tell(failure.caption, failure.line1, failure.line2);
    return;
  }
  await runOperation();
  // After programming, whatever its outcome, the offer to print what the editor holds.
  if (program && (await question(t.offerPrint)) === 'ok') print();
}

function setBar() {
  $('progress-bar').value = app.M._brenvox_operation_bar();
}

function runOperation() {
  const M = app.M;
  const dlg = $('progress');
  $('progress-log').replaceChildren();
  $('progress-bar').value = 0;
  const repeat = $('progress-repeat'), abort = $('progress-abort'), close = $('progress-close');
  repeat.hidden = false;
  repeat.disabled = true;
  abort.hidden = true;
  abort.disabled = true;
  close.disabled = false;
  M.serialPort = app.port;
  return new Promise((resolve) => {
    const done = () => {
      if (app.transferActive || M._brenvox_operation_running()) return;
      dlg.close();
      M._brenvox_operation_close();
      clearInterval(app.barTimer);
      refreshAll();
      resolve();
    };
    close.onclick = done;
    // Escape does not close the window while a transfer runs.
    dlg.oncancel = (e) => { e.preventDefault(); done(); };
    dlg.showModal();
    close.disabled = true;
    M.callWaiting('brenvox_operation_open', []).then((opened) => {
      close.disabled = false;
      if (opened) M._brenvox_operation_start();
    });
  });
}

const handlers = {
  onScheduleTransfer() {
    app.transferActive = true;
    setTimeout(() => {
      app.M.callWaiting('brenvox_web_run_transfer').finally(() => {
        app.transferActive = false;
      });
    }, 0);
  },
  // The transfer's events wait in the runner until the page asks for them: at once while the
  // transfer runs (their lines never wait for the person), through the queue of waiting calls
  // once it has ended (the ending may show a message or ask the module PIN).
  onWorkerEvent() {
    if (app.pumpQueued) return;
    app.pumpQueued = true;
    setTimeout(() => {
      app.pumpQueued = false;
      if (app.transferActive) app.M._brenvox_operation_pump();
      else app.M.callWaiting('brenvox_operation_pump');
    }, 0);
  },
  onLine(text) {
    const log = $('progress-log');
    log.append(el('div', { textContent: text || '\u00a0' }));
    log.scrollTop = log.scrollHeight;
  },
  onClear() {
    $('progress-log').replaceChildren();
  },
  onRunning(running) {
    const repeat = $('progress-repeat'), abort = $('progress-abort');
    clearInterval(app.barTimer);
    if (running) {
      repeat.hidden = true;
      repeat.disabled = true;
      abort.hidden = false;
      abort.disabled = false;
      $('progress-close').disabled = true;
      app.abortShownAt = performance.now();
      app.barTimer = setInterval(setBar, 250);
    } else {
      abort.hidden = true;
      abort.disabled = true;
    }
    setBar();
  },
  onInformation(text) {
    return tell(app.t.info, text);
  },
  onPin() {
    return askModulePin();
  },
  onSettingsRead() {
    refreshAll();
  },
  onEnded() {
    setBar();
    const repeat = $('progress-repeat');
    repeat.hidden = false;
    repeat.disabled = false;
    $('progress-close').disabled = false;
    repeat.focus();
  },
};

// ---- Commands ----

async function runCommand(item) {
  const t = app.t;
  switch (item.command) {
    case 'new':
      if ((await question(t.newLine1, t.newLine2)) === 'ok') {
        app.M._brenvox_new();
        app.slot = 0;
        app.fileHandle = null;
        refreshAll();
      }
      return;
    case 'print':
      return print();
    case 'pdf': {
      await keep(pdfBytes(), settingsName() + '.pdf', 'application/pdf', false);
      return;
    }
    case 'open':
      return openFile();
    case 'save':
      return save();
    case 'saveAs':
      return saveAs();
    case 'preset':
      setValue('SMSC', item.argument);
      refreshAll();
      return;
    case 'program':
    case 'compare':
    case 'read':
      return startOperation(app.d.modes[item.command]);
  }
}

// ---- Start ----

async function start() {
  const M = await createBrenvox(handlers);
  app.M = M;
  Object.assign(M, handlers);
  M._brenvox_start();
  app.d = JSON.parse(str(M._brenvox_describe()));
  app.t = app.d.texts;
  app.newName = settingsName();
  document.documentElement.lang = app.d.lang;
  document.title = app.d.caption;
  $('caption').textContent = app.d.caption;
  const t = app.t;
  $('pin-caption').textContent = t.pinCaption;
  $('pin-text').textContent = t.pinText;
  $('pin-input').maxLength = app.d.pinLength;
  $('pin-ok').textContent = t.ok;
  $('pin-cancel').textContent = t.cancel;
  $('progress-caption').textContent = t.progressCaption;
  $('progress-group').textContent = t.progressGroup;
  $('progress-repeat').textContent = t.repeat;
  $('progress-abort').textContent = t.abort;
  $('progress-close').title = t.close;
  $('progress-close').setAttribute('aria-label', t.close);
  $('progress-bar').max = app.d.progressMax;
  $('progress-repeat').addEventListener('click', () => app.M._brenvox_operation_start());
  $('progress-abort').addEventListener('click', () => {
    // A second click of a double click on "Powtórz" lands here: the button has just appeared in
    // its place, and that click must not end the run it started.
    if (performance.now() - app.abortShownAt < 500) return;
    $('progress-abort').disabled = true;
    app.M._brenvox_operation_abort();
  });
  $('file-open').addEventListener('change', fileChosen);
  drawPages();
  const asked = /^#([1-9])$/.exec(location.hash);
  showPage(asked && Number(asked[1]) <= app.d.pages.length ? Number(asked[1]) : 1);
  refreshAll();
  if (navigator.serial && navigator.serial.getPorts) {
    // A port the person granted this page before is taken again without asking.
    navigator.serial.getPorts().then((ports) => {
      if (!app.port && ports.length === 1) {
        app.port = ports[0];
        refreshAll();
      }
    }).catch(() => {});
  }
  $('app').setAttribute('aria-busy', 'false');
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

start();
