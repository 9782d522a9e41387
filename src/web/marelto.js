// The page's handlers: read the fields, let the WebAssembly core turn their
// texts into a result text, write it once; on a run-time error show its
// number and text and change nothing else. Panels switch as in the desktop
// window, where the salt button returns to whichever salt panel was last in
// view.
'use strict';

// Compiled synchronously (a data: address may not be fetched under the page's
// policy), so the factory hands back the module itself.
const core = Promise.resolve(createMareltoCore()).then((module) => ({
  newWater: module.cwrap('marelto_new_water', 'number', Array(5).fill('string')),
  densityChange: module.cwrap('marelto_density_change', 'number', Array(5).fill('string')),
  magnesium: module.cwrap('marelto_magnesium', 'number', Array(5).fill('string')),
  calcium: module.cwrap('marelto_calcium', 'number',
    ['string', 'string', 'string', 'string', 'string', 'number', 'string', 'string']),
  text: module.cwrap('marelto_text', 'string', []),
}));

const byId = (id) => document.getElementById(id);
const field = (id) => byId(id).value;

// The browser's language stands in for the system's regional settings.
// A number with seven digits shows the group separator in every locale.
function regionalSettings() {
  const parts = new Intl.NumberFormat(navigator.language).formatToParts(1234567.5);
  const part = (type, fallback) => parts.find((p) => p.type === type)?.value ?? fallback;
  const decimal = part('decimal', '.');
  return [decimal, part('group', decimal === ',' ? '.' : ',')];
}

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

async function compute(run, output) {
  const calculators = await core;
  const status = run(calculators, ...regionalSettings());
  const text = forDisplay(calculators.text());
  if (status === 0) {
    byId(output).textContent = text;
  } else {
    showError(status, text);
  }
}

const handlers = {
  cmd_Dichte: () => compute((c, dec, group) => c.newWater(
    field('txt_Dichte'), field('txt_Temperatur'), field('txt_Liter'), dec, group), 'lbl_ergebnis'),
  Command1: () => compute((c, dec, group) => c.densityChange(
    field('txt_Dichtejetzt'), field('txt_Dichteneu'), field('txt2_Liter'), dec, group),
  'lbl2_ergebnis'),
  Command5: () => compute((c, dec, group) => c.magnesium(
    field('magliter_becken'), field('magnesium_becken'), field('magnesium_ziel'), dec, group),
  'txt_magerg'),
  Command6: () => {
    // Emptied first, so a failed calculation leaves no stale report behind.
    byId('ergebnis_kalzium').textContent = '';
    // The magnesium fields count even while hidden.
    return compute((c, dec, group) => c.calcium(
      field('txt_magnesiumbecken'), field('txt_kalziumjetzt'), field('txt_plusistmagnesium'),
      field('txt_pluskalzium'), field('txt_plusmagnesium'),
      byId('Checkmitmagnesium').checked ? 1 : 0, dec, group), 'ergebnis_kalzium');
  },
};

// Navigation: one panel in view; the others keep their fields and results.
const panels = ['frm_Frischwasser', 'frm_changewater', 'frm_magnesium', 'Frm_kalzium', 'frm_ueber'];
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
  cmd_ueber: () => show('frm_ueber'),
  cmd_changewater: () => show(saltPanel = 'frm_changewater'),
  cmd_newater: () => show(saltPanel = 'frm_Frischwasser'),
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
  handlers[event.target.querySelector('button[type="submit"]').id]();
});

document.addEventListener('change', (event) => {
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

// Offline use once the page has been served; opened from disk it has no
// service worker and needs none.
if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('service-worker.js');
}
