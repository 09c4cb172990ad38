// Keeps every file of the page in the browser, so that after one visit the game starts with no
// server at all. The cache is named by the build (scripts/web.sh writes its hash in place of
// BUILD): a new build's worker fills a cache of its own at the next visit and, once it takes
// over, removes the old one, so that the page is never a mix of two builds. A file is answered
// from the cache when it is there, else from the network.
'use strict';

const kCache = 'tobrakka-BUILD';
const kFiles = ['./', 'index.html', 'pagecatalogue.js', 'pagetext.js', 'pagesaves.js', 'touchpad.js', 'page.js', 'tobrakka.js', 'tobrakka.wasm', 'tobrakka.data',
                'manifest.webmanifest', 'icon-128.png', 'icon-256.png'];

self.addEventListener('install', event => {
  event.waitUntil(caches.open(kCache)
    .then(cache => cache.addAll(kFiles.map(file => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name.startsWith('tobrakka-') && name !== kCache)
                                    .map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin)
    return;
  event.respondWith(caches.open(kCache).then(cache =>
    cache.match(event.request, { ignoreSearch: true }).then(kept => kept || fetch(event.request))));
});
