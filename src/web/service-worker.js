// Keeps the lesson's own files, so that the installed app opens without a
// network. It is the one thing the page stores on the device. A new build
// has a new cache name: the old copy is dropped when the new one is in.
const CACHE = 'godojoken-@VERSION@';
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('godojoken-') && k !== CACHE)
      .map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// Its own files from the copy, anything else of its own origin from the
// server; the page asks for nothing elsewhere.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin)
    return;
  event.respondWith(caches.open(CACHE)
    .then((c) => c.match(event.request, { ignoreSearch: true }))
    .then((hit) => hit || fetch(event.request)));
});
