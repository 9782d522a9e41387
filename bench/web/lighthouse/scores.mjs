// Lighthouse's four scores for the site on mobile and desktop, in Debian's
// Chromium, served with gzip as a static host serves it; below each score
// line the audits that kept a category from 100.
//
//   node bench/web/lighthouse/scores.mjs SITE_DIR
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';
import * as chromeLauncher from 'chrome-launcher';
import { resolve } from 'node:path';
import { chromiumPath, serveFolder } from '../../../tests/web/page/browser.mjs';

const site = await serveFolder(resolve(process.argv[2] ?? 'build/web/site'), { gzip: true });
const chrome = await chromeLauncher.launch({
  chromePath: chromiumPath,
  chromeFlags: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
try {
  for (const [formFactor, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
    const { lhr } = await lighthouse(site.url, { port: chrome.port, output: 'json', logLevel: 'error' }, config);
    const scores = Object.values(lhr.categories).map((c) => `${c.title} ${Math.round(c.score * 100)}`);
    console.log(`lighthouse ${lhr.lighthouseVersion}, ${formFactor}: ${scores.join(', ')}`);
    for (const audit of Object.values(lhr.audits)) {
      if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode === 'numeric') {
        console.log(`  ${audit.id}: ${audit.displayValue ?? ''} (score ${audit.score})`);
      }
    }
  }
} finally {
  await chrome.kill();
  await site.close();
}
