// Assembles the static site: index.html with its style sheet, the core and
// the handlers inlined (so the one file also works opened from disk), a
// Content-Security-Policy that admits exactly those inline parts and
// WebAssembly, the manifest, icons rendered from the program's icon, and a
// service worker whose cache is named after a hash of everything it stores
// and which knows the page's own hash.
//
//   node assemble_site.mjs SOURCE_DIR CORE_SCRIPT CORE_WASM ICON_SVG RSVG_CONVERT OUTPUT_DIR

import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sourceDir, coreScript, coreWasm, iconSvg, rsvgConvert, outputDir] = process.argv.slice(2);
if (!outputDir) {
  console.error('usage: assemble_site.mjs SOURCE_DIR CORE_SCRIPT CORE_WASM ICON_SVG RSVG_CONVERT OUTPUT_DIR');
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

function inlineScript(text) {
  if (/<\/script/i.test(text)) throw new Error('a script to inline contains </script');
  return text;
}

const style = read(join(sourceDir, 'marelto.css'));
// The module's bytes ride in the core's script as base64, for the page to
// hand to the factory.
const wasmBase64 = readFileSync(coreWasm).toString('base64');
const coreWithBytes = `${read(coreScript)}\nconst mareltoCoreBytes = '${wasmBase64}';\n`;
const scripts = [coreWithBytes, read(join(sourceDir, 'marelto.js'))].map(inlineScript);

const policy = [
  "default-src 'none'",
  `script-src ${scripts.map(cspHash).join(' ')} 'wasm-unsafe-eval'`,
  `style-src ${cspHash(style)}`,
  "img-src 'self'",
  "manifest-src 'self'",
  "worker-src 'self'",
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

let page = read(join(sourceDir, 'index.html'));
page = replaceOnce(page, '@CONTENT_SECURITY_POLICY@', policy);
page = replaceOnce(page, '<link rel="stylesheet" href="marelto.css">', `<style>${style}</style>`);
page = replaceOnce(page, '<script src="marelto_core.js"></script>', `<script>${scripts[0]}</script>`);
page = replaceOnce(page, '<script src="marelto.js"></script>', `<script>${scripts[1]}</script>`);

mkdirSync(outputDir, { recursive: true });
const site = new Map([
  ['index.html', page],
  ['manifest.webmanifest', read(join(sourceDir, 'manifest.webmanifest'))],
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
