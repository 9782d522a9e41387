// Debian's Chromium under playwright-core, and a static server for the site,
// shared by the page tests and the web benchmark.
import { createServer } from 'node:http';
import { createHash } from 'node:crypto';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.MARELTO_CHROMIUM ?? '/usr/bin/chromium';

// Headless as root needs --no-sandbox; the rest keeps Chromium from reaching
// out to the network on its own.
export function launchBrowser() {
  return chromium.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// Serves the folder on a free port of 127.0.0.1, as a plain static host would;
// gzip is optional, for measuring what a host that compresses sends.
export async function serveFolder(folder, { gzip = false } = {}) {
  const { gzipSync } = await import('node:zlib');
  let bytesSent = 0;
  const server = createServer(async (request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    const file = normalize(join(folder, path.endsWith('/') ? `${path}index.html` : path));
    if (!file.startsWith(folder)) {
      response.writeHead(403).end();
      return;
    }
    try {
      let body = await readFile(file);
      // Validators as every static host sends them, which let a browser keep
      // and reuse what it fetched.
      const { mtime } = await stat(file);
      const headers = {
        'Content-Type': contentTypes[extname(file)] ?? 'application/octet-stream',
        'Last-Modified': mtime.toUTCString(),
        ETag: `"${createHash('sha1').update(body).digest('hex')}"`,
      };
      if (gzip) {
        body = gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      bytesSent += body.length;
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    bytesSent: () => bytesSent,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}
