// Keeps the page working offline: its own files are kept on first load and
// served from there; the page fetches nothing else.
'use strict';

const CACHE = 'kalivo-site-2';
const FILES = ['./', 'index.html', 'kalivo.css', 'page.js', 'list.js', 'dialogs.js', 'files.js', 'zip.js', 'kalivo.js',
               'kalivo.wasm', 'kalivo.svg', 'manifest.webmanifest'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first, so a new build is seen at once; the kept copy when offline.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== location.origin) return;
  event.respondWith(fetch(event.request)
    .then((response) => {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(event.request, copy));
      return response;
    })
    .catch(() => caches.match(event.request)));
});
