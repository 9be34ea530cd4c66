// One view at a time; the navigation marks the one shown (or the section a view belongs to,
// named by its link's data-also), and the window's title names it.
const siteTitle = "Да'Арийский Круголет Числобога";

export function showView(name, title) {
  for (const section of document.querySelectorAll('main > .view')) {
    section.hidden = section.id !== name;
  }
  for (const link of document.querySelectorAll('nav [data-view]')) {
    const current = link.dataset.view === name || link.dataset.also === name;
    if (current) link.setAttribute('aria-current', 'page');
    else link.removeAttribute('aria-current');
  }
  document.title = title ? `${title} — ${siteTitle}` : siteTitle;
}

// A fault of the core after the page has started, which no view's answer carries: said above
// every view, whichever is shown, with what the core threw.
export function showCoreFailure({ title, message }) {
  const box = document.getElementById('core-failure');
  box.textContent = `${title}: ${message}. Перезагрузите страницу.`;
  box.hidden = false;
}

// Every calendar picker offers the minutes of the range the core computes in.
export function boundPickers({ first, last }) {
  for (const picker of document.querySelectorAll('input[type="datetime-local"]')) {
    picker.min = first;
    picker.max = last;
  }
}

// The navigation's link to the conversion leads back to the moment last shown.
export function setConversionAddress(address) {
  document.querySelector('nav [data-view="conversion"]').href = address || '#';
}
