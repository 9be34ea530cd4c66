// The service worker keeps a copy of the whole site, so the page opens without a network once it
// has been visited. Without one (an old browser, a page opened from a file) the page still works.
//
// A new version of the site waits in the browser until no page runs the old one (sw.js); the
// page offers to take it at once, and loads again from the new copy when the new worker has taken
// over, so that no page runs old code among new files.
const prompt = document.getElementById('update');
let action = null;
prompt.querySelector('button').addEventListener('click', () => action());

function offer(then) {
  action = then;
  prompt.hidden = false;
}

function watchForUpdates(registration) {
  // A page that no worker loaded (the first visit) is of the worker's own version.
  if (!navigator.serviceWorker.controller) return;
  let asked = false;
  const offerWorker = (worker) => offer(() => {
    asked = true;
    worker.postMessage('take-over');
  });
  // Taken over at this page's word, the page loads again; at another page's, it still runs whole
  // as it loaded, and offers to load the new version.
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (asked) location.reload();
    else offer(() => location.reload());
  });
  if (registration.waiting) offerWorker(registration.waiting);
  registration.addEventListener('updatefound', () => {
    const worker = registration.installing;
    worker.addEventListener('statechange', () => {
      if (worker.state === 'installed') offerWorker(worker);
    });
  });
}

// The worker's is the one address of a script that the page makes, and the only one that its
// Trusted Types policy lets through (index.html: the page takes no other).
const workerAddress = new URL('../sw.js', import.meta.url).href;
const scriptAddresses = globalThis.trustedTypes?.createPolicy('krugolet', {
  createScriptURL(address) {
    if (address !== workerAddress) throw new TypeError(`Не адрес сценария страницы: ${address}`);
    return address;
  },
});

export function keepOffline() {
  if (!('serviceWorker' in navigator)) return;
  const address = scriptAddresses ? scriptAddresses.createScriptURL(workerAddress) : workerAddress;
  navigator.serviceWorker.register(address).then(watchForUpdates).catch((error) => {
    console.warn('Страница не сохранена для работы без сети:', error);
  });
}
