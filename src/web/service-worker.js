// Keeps the lesson's own files, so that the installed app opens without a
// network. A new build has a new cache name: the old copy is dropped when
// the new one is in.
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

// The page itself from the server while there is one, so that an update
// shows on the next launch, and from the copy without a network; its other
// files from the copy. Anything else of its own origin from the server; the
// page asks for nothing elsewhere.
self.addEventListener('fetch', (event) => {
  const url = new URL(event.request.url);
  if (event.request.method !== 'GET' || url.origin !== self.location.origin)
    return;
  const kept = () => caches.open(CACHE).then((c) => c.match(event.request, { ignoreSearch: true }));
  if (event.request.mode === 'navigate') {
    event.respondWith(fetch(event.request).catch(() => kept()));
    return;
  }
  event.respondWith(kept().then((hit) => hit || fetch(event.request)));
});
