// The service worker keeps a copy of the whole site, so the page opens without a network once it
// has been visited. Without one (an old browser, a page opened from a file) the page still works.
export function keepOffline() {
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register(new URL('../sw.js', import.meta.url)).catch((error) => {
    console.warn('Страница не сохранена для работы без сети:', error);
  });
}
