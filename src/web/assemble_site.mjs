// Assembles the static site: index.html with the window's texts written in
// (from the tables the window is built from), its style sheet, the core and
// the handlers inlined (so the one file also works opened from disk), a
// Content-Security-Policy that admits exactly those inline parts and
// WebAssembly, the manifest, icons rendered from the program's icon, and a
// service worker whose cache is named after a hash of everything it stores
// and which knows the page's own hash.
//
//   node assemble_site.mjs SOURCE_DIR CORE_SCRIPT CORE_WASM PAGE_TEXTS_SCRIPT ICON_SVG RSVG_CONVERT OUTPUT_DIR
//
// PAGE_TEXTS_SCRIPT is the page_texts program compiled for node; it prints
// the window's controls with their texts as JSON.

import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sourceDir, coreScript, coreWasm, pageTextsScript, iconSvg, rsvgConvert, outputDir] =
  process.argv.slice(2);
if (!outputDir) {
  console.error('usage: assemble_site.mjs SOURCE_DIR CORE_SCRIPT CORE_WASM PAGE_TEXTS_SCRIPT ICON_SVG RSVG_CONVERT OUTPUT_DIR');
  process.exit(2);
}

const read = (path) => readFileSync(path, 'utf8');
const sha256 = (data) => createHash('sha256').update(data);
const cspHash = (text) => `'sha256-${sha256(text).digest('base64')}'`;

// Replaces exactly one occurrence, so a changed page cannot slip through.
function replaceOnce(text, what, by) {
  const at = text.indexOf(what);
  if (at < 0 || text.indexOf(what, at + 1) >= 0) {
    throw new Error(`expected exactly one ${what}`);
  }
  return text.slice(0, at) + by + text.slice(at + what.length);
}

const escapedHtml = (text) => text.replace(/[&<>"]/g,
  (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' }[c]));
const escapedPattern = (text) => text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');

// Writes a text of the window where the page shows it: a field's start text
// as its value, a check box's caption in its label, a panel's in its heading,
// every other one inside the element of the control's name, and a link's
// address as its href. Each place must be in the page once and empty, so that
// no text is kept in two places.
function withWindowText(page, control) {
  const text = escapedHtml(control.text.replace(/\r\n/g, '\n'));
  const attribute = {
    checkbox: `for="${control.id}"`,
    panel: `id="${control.id}_caption"`,
  }[control.kind] ?? `id="${control.id}"`;
  const tag = new RegExp(`<([a-z0-9]+)(?:\\s[^>]*)?\\s${escapedPattern(attribute)}[^>]*>`, 'g');
  const found = [...page.matchAll(tag)];
  if (found.length !== 1) {
    throw new Error(`expected one element with ${attribute} for ${control.id}, found ${found.length}`);
  }
  const [opening, element] = found[0];
  const at = found[0].index + opening.length;
  if (/\s(value|href)=/.test(opening)) {
    throw new Error(`${control.id}: the page types its own value or href; the window's tables give it`);
  }
  const address = control.address === undefined ? '' : ` href="${escapedHtml(control.address)}"`;
  if (control.kind === 'field') {
    return `${page.slice(0, at - 1)} value="${text}"${page.slice(at - 1)}`;
  }
  const closing = `</${element}>`;
  if (!page.startsWith(closing, at)) {
    throw new Error(`${control.id}: the page's ${element} is not empty; the window's tables give its text`);
  }
  return `${page.slice(0, at - 1)}${address}>${text}${page.slice(at)}`;
}

function inlineScript(text) {
  if (/<\/script/i.test(text)) throw new Error('a script to inline contains </script');
  return text;
}

const style = read(join(sourceDir, 'marelto.css'));
// The module's bytes ride in the core's script as base64, for the page to
// hand to the factory.
const wasmBase64 = readFileSync(coreWasm).toString('base64');
const coreWithBytes = `${read(coreScript)}\nconst mareltoCoreBytes = '${wasmBase64}';\n`;
const regionalSettings = read(join(sourceDir, 'regional_settings.js'));
const scripts = [coreWithBytes, regionalSettings, read(join(sourceDir, 'marelto.js'))].map(inlineScript);

// Every kind of resource by name and no default: WebKit knows no
// manifest-src, so under a default of 'none' it would complain of the one
// and the other engines would refuse the manifest. The manifest is the only
// kind left open.
const policy = [
  `script-src ${scripts.map(cspHash).join(' ')} 'wasm-unsafe-eval'`,
  `style-src ${cspHash(style)}`,
  "img-src 'self'",
  // Only for tools that fetch the site's own files from inside the page
  // (Lighthouse's robots.txt check); the page itself fetches nothing.
  "connect-src 'self'",
  "worker-src 'self'",
  "font-src 'none'",
  "media-src 'none'",
  "object-src 'none'",
  "frame-src 'none'",
  "child-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

let page = read(join(sourceDir, 'index.html'));
// Debian's emscripten loads its module with fetch where node has one, which
// takes no file path.
const windowTexts = JSON.parse(execFileSync(process.execPath,
  ['--no-experimental-fetch', pageTextsScript], { encoding: 'utf8' }));
page = windowTexts.reduce(withWindowText, page);
page = replaceOnce(page, '@CONTENT_SECURITY_POLICY@', policy);
page = replaceOnce(page, '<link rel="stylesheet" href="marelto.css">', `<style>${style}</style>`);
page = replaceOnce(page, '<script src="marelto_core.js"></script>', `<script>${scripts[0]}</script>`);
page = replaceOnce(page, '<script src="regional_settings.js"></script>', `<script>${scripts[1]}</script>`);
page = replaceOnce(page, '<script src="marelto.js"></script>', `<script>${scripts[2]}</script>`);

mkdirSync(outputDir, { recursive: true });
// Search engines may read the whole site.
writeFileSync(join(outputDir, 'robots.txt'), 'User-agent: *\nAllow: /\n');
const site = new Map([
  ['index.html', page],
  ['manifest.webmanifest', read(join(sourceDir, 'manifest.webmanifest'))],
  // Also started as a worker, which needs a file of the site's own.
  ['regional_settings.js', regionalSettings],
]);
for (const size of [192, 512]) {
  site.set(`icon-${size}.png`, execFileSync(rsvgConvert,
    ['--width', String(size), '--height', String(size), '--keep-aspect-ratio', iconSvg]));
}

const version = sha256(Buffer.concat([...site.values()].map((v) => Buffer.from(v))))
  .digest('hex').slice(0, 16);
let worker = read(join(sourceDir, 'service-worker.js'));
worker = replaceOnce(worker, '@SITE_VERSION@', version);
worker = replaceOnce(worker, '@SITE_FILES@', JSON.stringify(['./', ...site.keys()]));
worker = replaceOnce(worker, '@PAGE_SHA256@', sha256(page).digest('hex'));
site.set('service-worker.js', worker);

for (const [name, content] of site) writeFileSync(join(outputDir, name), content);
