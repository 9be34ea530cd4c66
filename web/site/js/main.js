// Starts the page: loads the core, then shows what the address names and follows the history.
import { startClock } from './clock.js';
import { loadCore } from './core.js';
import { fillHelp } from './help-view.js';
import { MomentForm } from './moment-form.js';
import { clockMoment } from './moment.js';
import { keepOffline } from './offline.js';
import { hasResult, showResult } from './result-view.js';
import { momentAddress, nowAddress, parseAddress } from './route.js';
import { setConversionAddress, showView } from './views.js';

let core = null;
let stopClock = null;
// Whether the current history entry was made by the calendar picker: while the user keeps
// picking, each pick replaces it rather than filling the history with every step.
let pickedEntry = false;

const form = new MomentForm(document.getElementById('moment-form'), {
  onConvert: (fields) => convert(fields, false),
  onPick: (fields) => convert(fields, true),
  onNow: () => go(nowAddress, location.hash === nowAddress),
  onPrint: () => window.print(),
});

function go(address, replace) {
  const url = address || location.pathname + location.search;
  if (replace) history.replaceState(null, '', url);
  else history.pushState(null, '', url);
  show();
}

function stopPresent() {
  if (stopClock) stopClock();
  stopClock = null;
}

// The present moment, moving on with the clock. The fields follow it until the user types.
function showPresent() {
  stopPresent();
  form.edited = false;
  stopClock = startClock((moment) => {
    const result = core.compute(moment);
    if (!result.report) {
      form.showRefusal(result);
      return;
    }
    showResult(result, { present: true });
    if (!form.edited) {
      form.fill(result.moment.map(String));
      form.setPicker(result.moment);
    }
  });
}

// A moment from the address: its fields are checked as typed ones are, and a refused one leaves
// the last report where it is; opened with the page, it leaves the present moment's report.
function showMoment(fields) {
  stopPresent();
  form.fill(fields);
  const result = core.compute(fields);
  if (!result.report) {
    form.showRefusal(result);
    const present = core.compute(clockMoment());
    if (!hasResult() && present.report) showResult(present, { present: true });
    return;
  }
  form.clearRefusal();
  form.setPicker(result.moment);
  showResult(result, { present: false });
}

function convert(fields, picked) {
  const result = core.compute(fields);
  if (!result.report) {
    form.showRefusal(result);
    return;
  }
  const address = momentAddress(result.moment);
  const replace = address === location.hash || (picked && pickedEntry);
  go(address, replace);
  pickedEntry = picked;
}

function show() {
  const route = parseAddress(location.hash);
  if (route.view === 'help') {
    fillHelp(core);
    showView('help');
    return;
  }
  showView('conversion');
  setConversionAddress(location.hash);
  pickedEntry = false;
  form.clearRefusal();
  if (route.view === 'moment') {
    showMoment(route.fields);
  } else {
    showPresent();
  }
}

try {
  core = await loadCore();
  window.addEventListener('popstate', show);
  show();
  keepOffline();
} catch (error) {
  form.showRefusal({ field: '', title: error.title ?? 'Ошибка', message: error.message });
}
