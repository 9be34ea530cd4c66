// One view at a time; the navigation marks the one shown.
const titles = {
  conversion: "Да'Арийский Круголет Числобога",
  help: "Справка — Да'Арийский Круголет Числобога",
};

export function showView(name) {
  for (const section of document.querySelectorAll('main > .view')) {
    section.hidden = section.id !== name;
  }
  for (const link of document.querySelectorAll('nav [data-view]')) {
    if (link.dataset.view === name) link.setAttribute('aria-current', 'page');
    else link.removeAttribute('aria-current');
  }
  document.title = titles[name];
}

// The navigation's link to the conversion leads back to the moment last shown.
export function setConversionAddress(address) {
  document.querySelector('nav [data-view="conversion"]').href = address || '#';
}
