// Keeps the page usable offline: on install it stores this version's files,
// it answers from that store first, and a new version drops the old stores
// when it takes over. The version and the file list are filled in when the
// site is assembled.
'use strict';

const version = '@SITE_VERSION@';
const files = @SITE_FILES@;
const store = `marelto-${version}`;

const pageHash = '@PAGE_SHA256@';

const hex = (buffer) => [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, '0')).join('');

// This version's page: the copy the browser already holds from this visit
// where it is the right one, so that a first visit does not download the page
// twice; otherwise (an update found while an older page was in view) fetched
// anew.
async function thisVersionsPage() {
  for (const mode of ['force-cache', 'no-cache']) {
    const page = await fetch('./', { cache: mode });
    if (!page.ok) throw new Error(`the page answered ${page.status}`);
    const digest = await crypto.subtle.digest('SHA-256', await page.clone().arrayBuffer());
    if (hex(digest) === pageHash) return page;
  }
  throw new Error('the server holds another version of the page');
}

// The page is stored under both of its addresses.
async function storeFiles() {
  const cache = await caches.open(store);
  const page = await thisVersionsPage();
  await cache.put('index.html', page.clone());
  await cache.put('./', page);
  await cache.addAll(files.filter((file) => file !== './' && file !== 'index.html'));
}

self.addEventListener('install', (event) => {
  event.waitUntil(storeFiles().then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== store).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(store)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((stored) => stored ?? fetch(event.request)));
});
