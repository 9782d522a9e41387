// The browser's decimal and group separators, which stand in for the
// system's regional settings. The page holds this script inline and also
// starts it as a worker: Intl's first number format loads the language's
// number data, a long task that would block the page while it first paints,
// so the worker asks Intl and the page only waits for the answer when it
// needs it.
'use strict';

// A number with seven digits shows the group separator in every locale.
// A language the browser reports but Intl does not know ("C" from a bare
// POSIX locale) falls back to the browser's default format.
function numberFormat(language) {
  try {
    return new Intl.NumberFormat(language);
  } catch {
    return new Intl.NumberFormat();
  }
}

function regionalSettings(language) {
  const parts = numberFormat(language).formatToParts(1234567.5);
  const part = (type, fallback) => parts.find((p) => p.type === type)?.value ?? fallback;
  const decimal = part('decimal', '.');
  return [decimal, part('group', decimal === ',' ? '.' : ',')];
}

// As a worker: the page sends its language, the worker answers.
if (typeof document === 'undefined') {
  addEventListener('message', (event) => postMessage(regionalSettings(event.data)));
}
