// The web edition's screenshots for the README, in Debian's Chromium: a phone
// of 390 × 844 px with a new-water result, and a desktop browser with the
// calcium panel computed with magnesium, and a phone with the measurement
// panel after a refractometer reading and the consumption panel computed.
//
//   node docs/take-web-screenshots.mjs SITE_DIR   (after scripts/build-web and
//   npm ci in tests/web/page)
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchBrowser, serveFolder } from '../tests/web/page/browser.mjs';

const docs = dirname(fileURLToPath(import.meta.url));
const site = await serveFolder(resolve(process.argv[2] ?? join(docs, '../build/web/site')));
const browser = await launchBrowser();

async function shoot(file, viewport, steps) {
  const context = await browser.newContext({ locale: 'de-DE', viewport });
  const page = await context.newPage();
  await page.goto(site.url);
  await steps(page);
  await page.screenshot({ path: join(docs, file) });
  await context.close();
}

const computed = (page, id) => page.waitForFunction((i) => document.getElementById(i).textContent !== '', id);

await shoot('web-phone.png', { width: 390, height: 844 }, async (page) => {
  await page.click('#cmd_Dichte');
  await computed(page, 'lbl_ergebnis');
});
await shoot('web-desktop.png', { width: 1024, height: 900 }, async (page) => {
  await page.click('#Command4');
  await page.check('#Checkmitmagnesium');
  await page.click('#Command6');
  await computed(page, 'ergebnis_kalzium');
});
await shoot('web-messwert.png', { width: 390, height: 1100 }, async (page) => {
  await page.click('#cmd_messwert');
  await page.click('#cmd_umrechnen');
  await computed(page, 'out_salinitaet');
});
await shoot('web-verbrauch.png', { width: 390, height: 1900 }, async (page) => {
  await page.click('#cmd_verbrauch');
  await page.click('#cmd_verbrauch_berechnen');
  await computed(page, 'out_ca_verbrauch');
});
await browser.close();
await site.close();
