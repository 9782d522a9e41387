// Keeps the page usable offline: on install it stores this version's files,
// it answers from that store first, and a new version drops the old stores
// when it takes over. The version and the file list are filled in when the
// site is assembled.
'use strict';

const version = '@SITE_VERSION@';
const files = @SITE_FILES@;
const store = `marelto-${version}`;

// The page is fetched once and stored under both of its addresses.
async function storeFiles() {
  const cache = await caches.open(store);
  const page = await fetch('./', { cache: 'no-cache' });
  if (!page.ok) throw new Error(`the page answered ${page.status}`);
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
