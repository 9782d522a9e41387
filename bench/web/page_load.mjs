// The web edition's costs in headless Chromium, as figures of one run:
//   - bytes a first visit transfers, gzipped as a compressing host sends them
//     (the page itself, then everything once the service worker has stored
//     its copy);
//   - load to first result: from navigation to the first "Berechnen" result,
//     against a bare page with one field and one button, in turns, with no
//     cache and no service worker;
//   - press to result: from a press on "Berechnen" to the result written;
//   - on a CPU slowed four times: the first contentful paint, the Total
//     Blocking Time and the longest task after it (the most a first input can
//     wait), as Lighthouse counts them, from the long tasks Chromium reports
//     while the page loads.
//
//   node bench/web/page_load.mjs SITE_DIR [ROUNDS]
import { mkdtemp, writeFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { launchBrowser, serveFolder } from '../../tests/web/page/browser.mjs';

const siteDir = resolve(process.argv[2] ?? 'build/web/site');
const rounds = Number(process.argv[3] ?? 15);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const barePage = `<!DOCTYPE html><html lang="de"><title>bare</title>
<input id="f" value="20"><button id="b">Berechnen</button><output id="o"></output>
<script>b.onclick = () => { o.textContent = String(Number(f.value) * 2); };</script></html>`;

const browser = await launchBrowser();
const bareDir = await mkdtemp(join(tmpdir(), 'marelto-bare-'));
await writeFile(join(bareDir, 'index.html'), barePage);

// Bytes served for one visit in a fresh browser context: the page alone with
// no service worker, or until the service worker has stored its copy.
async function firstVisitBytes(withServiceWorker) {
  const site = await serveFolder(siteDir, { gzip: true });
  const context = await browser.newContext({
    locale: 'de-DE', serviceWorkers: withServiceWorker ? 'allow' : 'block' });
  const page = await context.newPage();
  await page.goto(site.url, { waitUntil: 'networkidle' });
  if (withServiceWorker) {
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  }
  const bytes = site.bytesSent();
  await context.close();
  await site.close();
  return bytes;
}

async function loadToResult(url, button, result) {
  const context = await browser.newContext({ locale: 'de-DE', serviceWorkers: 'block' });
  const page = await context.newPage();
  const start = performance.now();
  await page.goto(url, { waitUntil: 'commit' });
  await page.click(button);
  await page.waitForFunction((id) => document.getElementById(id).textContent !== '', result,
    { polling: 'raf' });
  const elapsed = performance.now() - start;
  await context.close();
  return elapsed;
}

async function pressToResult(url) {
  const context = await browser.newContext({ locale: 'de-DE', serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.goto(url);
  const times = await page.evaluate(async (count) => {
    const litres = document.getElementById('txt_Liter');
    const result = document.getElementById('lbl_ergebnis');
    const button = document.getElementById('cmd_Dichte');
    const spent = [];
    for (let i = 0; i < count; ++i) {
      litres.value = String(20 + i);
      const written = new Promise((done) => {
        const watch = new MutationObserver(() => { watch.disconnect(); done(); });
        watch.observe(result, { childList: true, characterData: true, subtree: true });
      });
      const start = performance.now();
      button.click();
      await written;
      spent.push(performance.now() - start);
    }
    return spent;
  }, 200);
  await context.close();
  return times;
}

// Long tasks (over 50 ms) from the start of the page, on a CPU slowed four
// times as Lighthouse slows it for a phone; what lies after the first
// contentful paint blocks input.
async function blocking(url) {
  const context = await browser.newContext({ locale: 'de-DE', serviceWorkers: 'block' });
  const page = await context.newPage();
  const session = await context.newCDPSession(page);
  await session.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  await page.addInitScript(() => {
    globalThis.longTasks = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) globalThis.longTasks.push([entry.startTime, entry.duration]);
    }).observe({ type: 'longtask', buffered: true });
  });
  await page.goto(url, { waitUntil: 'networkidle' });
  const result = await page.evaluate(() => {
    const paint = performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? 0;
    const after = globalThis.longTasks.filter(([start, duration]) => start + duration > paint)
      .map(([start, duration]) => start + duration - Math.max(start, paint));
    return {
      paint,
      blockingTime: after.reduce((sum, d) => sum + Math.max(0, d - 50), 0),
      longestTask: Math.max(0, ...after),
    };
  });
  await context.close();
  return result;
}

const pageBytes = await firstVisitBytes(false);
const allBytes = await firstVisitBytes(true);
const site = await serveFolder(siteDir);
const bare = await serveFolder(bareDir);
const marelto = [];
const bareTimes = [];
for (let i = 0; i < rounds; ++i) {
  marelto.push(await loadToResult(site.url, '#cmd_Dichte', 'lbl_ergebnis'));
  bareTimes.push(await loadToResult(bare.url, '#b', 'o'));
}
const presses = await pressToResult(site.url);
const blocked = [];
for (let i = 0; i < rounds; ++i) blocked.push(await blocking(site.url));
await site.close();
await bare.close();
await browser.close();
await rm(bareDir, { recursive: true });

const ms = (value) => `${value.toFixed(1)} ms`;
console.log(`first visit, gzipped: page ${pageBytes} bytes; with the service worker's copy ${allBytes} bytes`);
console.log(`load to first result (median of ${rounds}): Marelto ${ms(median(marelto))}, bare page ${ms(median(bareTimes))}, ratio ${(median(marelto) / median(bareTimes)).toFixed(2)}`);
console.log(`first paint, blocking time after it and its longest task (median of ${rounds}): `
  + `${ms(median(blocked.map((b) => b.paint)))}, ${ms(median(blocked.map((b) => b.blockingTime)))}, `
  + `${ms(median(blocked.map((b) => b.longestTask)))}`);
console.log(`press to result (median of ${presses.length}): ${ms(median(presses))}, slowest ${ms(Math.max(...presses))}`);
