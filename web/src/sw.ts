// The service worker of the page served from a web server: keeps the page,
// its manifest and icons, so that the trainer installed as an app runs
// offline; a new page brings a new cache and the old one goes. It keeps
// nothing of the pupil's work. The single file opened from a disk never has
// one.
declare const CACHE_NAME: string;
declare const CACHED_FILES: string[];

const worker = self as unknown as ServiceWorkerGlobalScope;

worker.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE_NAME)
      .then((cache) => cache.addAll(CACHED_FILES))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== CACHE_NAME).map((name) => caches.delete(name))))
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((kept) => kept ?? fetch(event.request)),
  );
});
