// The page's handlers: read the fields, let the WebAssembly core turn their
// texts into a result text, write it once; on a run-time error show its
// number and text and change nothing else. Panels switch as in the desktop
// window, where the salt button returns to whichever salt panel was last in
// view.
'use strict';

// A plain loop: Uint8Array.from with a function per byte takes ten times as
// long, in the task that paints the page.
function decoded(base64) {
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i += 1) bytes[i] = text.charCodeAt(i);
  return bytes;
}

// Compiled asynchronously from the bytes embedded in the page (nothing is
// fetched, so the page also works from disk), while the page paints; a press
// before the module is ready waits for it.
const core = createMareltoCore({ wasmBinary: decoded(mareltoCoreBytes) }).then((module) => {
  const calculate = module.cwrap('marelto_calculate', 'number',
    ['string', 'number', 'number', 'string', 'string']);
  const resultCount = module.cwrap('marelto_result_count', 'number', []);
  const result = module.cwrap('marelto_result', 'string', ['number']);
  // The field texts go to the core on its heap as (pointer, byte length)
  // pairs, so that a NUL typed into a field stays part of its text; all of it
  // is freed again whatever happens, so that no press grows the memory.
  return (name, texts, dec, group) => {
    const allocated = [];
    const allocate = (bytes) => {
      const pointer = module._malloc(bytes);
      if (pointer === 0) throw new RangeError('the calculator ran out of memory');
      allocated.push(pointer);
      return pointer;
    };
    try {
      const table = allocate(8 * Math.max(texts.length, 1));
      texts.forEach((text, i) => {
        const length = module.lengthBytesUTF8(text);
        const pointer = allocate(length + 1);
        module.stringToUTF8(text, pointer, length + 1);
        module.setValue(table + 8 * i, pointer, 'i32');
        module.setValue(table + 8 * i + 4, length, 'i32');
      });
      const status = calculate(name, table, texts.length, dec, group);
      return { status, texts: Array.from({ length: resultCount() }, (_, i) => result(i)) };
    } finally {
      for (const pointer of allocated) module._free(pointer);
    }
  };
});

const byId = (id) => document.getElementById(id);
const field = (id) => byId(id).value;

// The browser's separators (regional_settings.js), from a worker where the
// page is served; opened from disk, where no worker may start, the page asks
// Intl itself.
function separatorsFromWorker() {
  return new Promise((resolve) => {
    const here = () => resolve(regionalSettings(navigator.language));
    try {
      const worker = new Worker('regional_settings.js');
      worker.addEventListener('message', (event) => { worker.terminate(); resolve(event.data); });
      worker.addEventListener('error', (event) => { event.preventDefault(); worker.terminate(); here(); });
      worker.postMessage(navigator.language);
    } catch {
      here();
    }
  });
}

const separators = location.protocol.startsWith('http')
  ? separatorsFromWorker()
  : Promise.resolve().then(() => regionalSettings(navigator.language));

const loaded = new Promise((resolve) => { document.addEventListener('DOMContentLoaded', resolve); });

// The start texts are German decimals; a browser with another decimal sign
// gets them in its own, so that the untouched fields compute. A field typed
// into meanwhile keeps its text.
const startTexts = Promise.all([separators, loaded]).then(([[decimal]]) => {
  for (const input of document.querySelectorAll('input[inputmode="decimal"]')) {
    if (input.value === input.defaultValue) input.value = input.defaultValue.replace(',', decimal);
  }
});

let focusBeforeError = null;

function showError(number, text) {
  focusBeforeError = document.activeElement;
  byId('error_number').textContent = `Laufzeitfehler '${number}':`;
  byId('error_text').textContent = text;
  byId('error_dialog').showModal();
  byId('error_ok').focus();
}

// The core writes lines ended with CR LF; the page breaks them with LF.
const forDisplay = (text) => text.replace(/\r\n/g, '\n');

// One row per "Berechnen" button: the core's calculator, the fields it reads
// in order (a check box as "1" or "0") and the elements its results go to.
const calculators = {
  cmd_Dichte: { calculator: 'new_water',
    fields: ['txt_Dichte', 'txt_Temperatur', 'txt_Liter'], results: ['lbl_ergebnis'] },
  Command1: { calculator: 'density_change',
    fields: ['txt_Dichtejetzt', 'txt_Dichteneu', 'txt2_Liter'], results: ['lbl2_ergebnis'] },
  Command5: { calculator: 'magnesium',
    fields: ['magliter_becken', 'magnesium_becken', 'magnesium_ziel'], results: ['txt_magerg'] },
  // Emptied first, so a failed calculation leaves no stale report behind; the
  // magnesium fields count even while hidden.
  Command6: { calculator: 'calcium', emptiedFirst: true,
    fields: ['txt_magnesiumbecken', 'txt_kalziumjetzt', 'txt_plusistmagnesium',
      'txt_pluskalzium', 'txt_plusmagnesium', 'Checkmitmagnesium'],
    results: ['ergebnis_kalzium'] },
  cmd_umrechnen: { calculator: 'measurement',
    fields: ['sel_messart', 'sel_bezug', 'txt_messwert', 'txt_messtemperatur'],
    results: ['out_salinitaet', 'out_dichte', 'out_sg2525', 'out_sg2020', 'out_sg6060',
      'out_leitwert', 'out_leitwert25', 'out_hinweis'],
    written: () => {
      const none = byId('out_dichte').textContent === '';
      for (const id of ['cmd_als_gewuenscht', 'cmd_als_momentan']) byId(id).disabled = none;
    } },
  cmd_verbrauch_berechnen: { calculator: 'consumption',
    fields: ['txt_vliter', 'txt_vtage', 'txt_ca_erste', 'txt_ca_zweite', 'txt_ca_dosiert',
      'txt_kh_erste', 'txt_kh_zweite', 'txt_kh_dosiert', 'txt_mg_erste', 'txt_mg_zweite',
      'txt_mg_dosiert', 'txt_l1', 'txt_l2', 'txt_l3_chlorid', 'txt_l3_sulfat', 'txt_kanister'],
    results: ['out_ca_verbrauch', 'out_kh_verbrauch', 'out_mg_verbrauch', 'out_l1_ml', 'out_l2_ml',
      'out_l3_ml', 'out_l1_tage', 'out_l2_tage', 'out_l3_tage', 'out_verhaeltnis',
      'out_hinweis_verbrauch'] },
  cmd_kh_berechnen: { calculator: 'kh_raise',
    fields: ['txt_kh_liter', 'txt_kh_jetzt', 'txt_kh_ziel', 'sel_kh_salz'],
    results: ['out_kh_gramm', 'out_kh_tage', 'out_kh_hinweis'] },
};

const fieldText = (id) => (byId(id).type === 'checkbox' ? (byId(id).checked ? '1' : '0') : byId(id).value);

async function compute(button) {
  const row = calculators[button];
  if (row.emptiedFirst) for (const id of row.results) byId(id).textContent = '';
  const [calculate, settings] = await Promise.all([core, separators, startTexts]);
  const { status, texts } = calculate(row.calculator, row.fields.map(fieldText), ...settings);
  if (status !== 0) {
    showError(status, forDisplay(texts[0]));
    return;
  }
  row.results.forEach((id, i) => { byId(id).textContent = forDisplay(texts[i]); });
  row.written?.();
}

// Navigation: one panel in view; the others keep their fields and results.
const panels = ['frm_Frischwasser', 'frm_changewater', 'frm_magnesium', 'Frm_kalzium',
  'frm_messwert', 'frm_verbrauch', 'frm_kh', 'frm_ueber'];
let saltPanel = 'frm_Frischwasser';

function show(panel) {
  if (!byId(panel).hidden) return;
  for (const id of panels) byId(id).hidden = id !== panel;
  byId('panel_in_view').textContent = byId(`${panel}_caption`).textContent;
}

const navigation = {
  Command2: () => show(saltPanel),
  Command3: () => show('frm_magnesium'),
  Command4: () => show('Frm_kalzium'),
  cmd_messwert: () => show('frm_messwert'),
  cmd_verbrauch: () => show('frm_verbrauch'),
  cmd_kh: () => show('frm_kh'),
  cmd_ueber: () => show('frm_ueber'),
  cmd_changewater: () => show(saltPanel = 'frm_changewater'),
  cmd_newater: () => show(saltPanel = 'frm_Frischwasser'),
  // A converted density goes where the salt calculators take it; the user
  // presses "Berechnen" there.
  cmd_als_gewuenscht: () => {
    byId('txt_Dichte').value = byId('out_dichte').textContent;
    byId('txt_Temperatur').value = byId('txt_messtemperatur').value;
    show(saltPanel = 'frm_Frischwasser');
  },
  cmd_als_momentan: () => {
    byId('txt_Dichtejetzt').value = byId('out_dichte').textContent;
    show(saltPanel = 'frm_changewater');
  },
};

// The listeners sit on the document, which exists before the body is read:
// this script runs in the head, so no button is ever shown without its
// handler.
document.addEventListener('click', (event) => {
  const id = event.target.closest('button')?.id;
  if (id === 'error_ok') byId('error_dialog').close();
  else navigation[id]?.();
});

// Enter in a field submits its panel's form, which presses "Berechnen".
document.addEventListener('submit', (event) => {
  event.preventDefault();
  compute(event.target.querySelector('button[type="submit"]').id);
});

// The reference temperature applies only to a reading on an SG scale.
const onReferenceScale = ['sg', 'araeometer'];

document.addEventListener('change', (event) => {
  if (event.target.id === 'sel_messart') {
    byId('sel_bezug').parentElement.hidden = !onReferenceScale.includes(event.target.value);
    return;
  }
  if (event.target.id !== 'Checkmitmagnesium') return;
  byId('ergebnis_kalzium').textContent = '';
  for (const id of ['txt_plusistmagnesium', 'txt_plusmagnesium']) {
    byId(id).parentElement.hidden = !event.target.checked;
  }
});

// Escape closes the message natively; either way the focus goes back.
document.addEventListener('close', (event) => {
  if (event.target.id !== 'error_dialog') return;
  focusBeforeError?.focus();
  focusBeforeError = null;
}, true);

document.addEventListener('DOMContentLoaded', () => {
  byId('sel_bezug').parentElement.hidden = !onReferenceScale.includes(byId('sel_messart').value);
  // The terms keep the window's paragraphs but not its line breaks inside
  // them, which leave single words on a line of a narrow phone.
  const terms = byId('Text2');
  terms.textContent = terms.textContent.replace(/([^\n])\n(?=[^\n])/g, '$1 ');
});

// Offline use once the page has been served; opened from disk it has no
// service worker and needs none.
if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('service-worker.js');
}
