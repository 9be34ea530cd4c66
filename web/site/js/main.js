// Starts the page: loads the core, then shows what the address names and follows the history.
import { startClock } from './clock.js';
import { loadCore } from './core.js';
import { fillHelp } from './help-view.js';
import { HolidaysView } from './holidays-view.js';
import { KeptDayView } from './kept-day-view.js';
import { KeptDaysView } from './kept-days-view.js';
import { MomentForm } from './moment-form.js';
import { clockMoment } from './moment.js';
import { MonthView } from './month-view.js';
import { keepOffline } from './offline.js';
import { OldDayView } from './old-day-view.js';
import { hasResult, showResult } from './result-view.js';
import { momentAddress, nowAddress, parseAddress } from './route.js';
import { setConversionAddress, showView } from './views.js';

let core = null;
let views = null;
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

// Today's old day, [year, month, day], by the device's clock; null outside the range.
function today(moment = clockMoment()) {
  return core.compute(moment).old ?? null;
}

// The present moment, moving on with the clock. The fields follow it until the user types.
function showPresent() {
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

// A month page; without a month, today's, which it follows when the day turns. Today stays
// marked as the clock moves on; a page that neither held nor holds today is left as it is, so
// that the turn of the day does not take away the focus or the holiday's name shown in it.
function showMonth(values) {
  let shown = '';
  stopClock = startClock((moment) => {
    const now = today(moment);
    const month = values.length ? values : (now ?? ['', '']).slice(0, 2).map(String);
    const key = JSON.stringify([month, views.month.holds(now) ? now : null]);
    if (key === shown) return;
    shown = key;
    showView('month-page', views.month.show(month, now) ?? 'Месяц');
  });
}

// A view of kept days, drawn again when the old day turns, since it says how far off each
// return is.
function showKeptDays(section, view, values) {
  let shown = null;
  stopClock = startClock((moment) => {
    const key = JSON.stringify(today(moment));
    if (key === shown) return;
    const again = shown !== null;
    shown = key;
    showView(section, view.show(values, moment, again) ?? 'Памятный день');
  });
}

function show() {
  const route = parseAddress(location.hash);
  stopPresent();
  pickedEntry = false;
  switch (route.view) {
    case 'help':
      fillHelp(core);
      showView('help', 'Справка');
      return;
    case 'month':
      showMonth(route.values);
      return;
    case 'holidays':
      showView('holidays', views.holidays.show(route.values[0] ?? clockMoment()[2]) ?? 'Праздники');
      return;
    case 'birthday':
      showKeptDays('kept-day', views.keptDay, route.values);
      return;
    case 'dates':
      showKeptDays('kept-days', views.keptDays, route.values);
      return;
    case 'old': {
      const day = route.values.length ? route.values : (today() ?? ['', '', '']).map(String);
      showView('old-day', views.old.show(day) ?? 'Старая дата');
      return;
    }
    default:
  }
  showView('conversion');
  setConversionAddress(location.hash);
  form.clearRefusal();
  if (route.view === 'moment') showMoment(route.fields);
  else showPresent();
}

try {
  core = await loadCore();
  const names = core.names();
  const actions = { onGo: (address) => go(address, false), onPrint: () => window.print() };
  views = {
    month: new MonthView(document.getElementById('month-page'), core, names, actions),
    holidays: new HolidaysView(document.getElementById('holidays'), core, actions),
    old: new OldDayView(document.getElementById('old-day'), core, names, actions),
    keptDay: new KeptDayView(document.getElementById('kept-day'), core, actions),
    keptDays: new KeptDaysView(document.getElementById('kept-days'), core),
  };
  window.addEventListener('popstate', show);
  show();
  keepOffline();
} catch (error) {
  form.showRefusal({ field: '', title: error.title ?? 'Ошибка', message: error.message });
}
