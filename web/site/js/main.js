// Starts the page: loads the core, then shows what the address names and follows the history.
import { startClock } from './clock.js';
import { loadCore } from './core.js';
import { showNotice } from './field-refusal.js';
import { fillHelp } from './help-view.js';
import { HolidaysView } from './holidays-view.js';
import { KeptDayView } from './kept-day-view.js';
import { KeptDaysView } from './kept-days-view.js';
import { MomentForm } from './moment-form.js';
import { clockMoment } from './moment.js';
import { MonthView } from './month-view.js';
import { keepOffline } from './offline.js';
import { OldDayView } from './old-day-view.js';
import { hasResult, hideResult, showResult } from './result-view.js';
import { addressRefusal, momentAddress, nowAddress, parseAddress } from './route.js';
import { setConversionAddress, showView } from './views.js';
import { YearView } from './year-view.js';

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

const actions = { onGo: (address) => go(address, false), onPrint: () => window.print() };
let names = null;
const calendarNames = () => (names ??= core.names());

// The calendar's views, each made when it is first shown, so that the report of a first visit
// waits for none of them.
const section = (id) => document.getElementById(id);
const viewMakers = {
  month: () => new MonthView(section('month-page'), core, calendarNames(), actions),
  holidays: () => new HolidaysView(section('holidays'), core, actions),
  year: () => new YearView(section('year-page'), core, calendarNames(), actions),
  old: () => new OldDayView(section('old-day'), core, calendarNames(), actions),
  keptDay: () => new KeptDayView(section('kept-day'), core, actions),
  keptDays: () => new KeptDaysView(section('kept-days'), core),
};
const views = {};

function view(name) {
  views[name] ??= viewMakers[name]();
  return views[name];
}

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

// The present moment by the device's clock as the core answers it: the report and today's old
// day ([year, month, day] under `old`), or, outside the range, what the page says instead under
// `present`.
function present(moment = clockMoment()) {
  return core.compute(moment);
}

// The present moment, moving on with the clock. The fields follow it until the user types;
// outside the range one sentence stands in place of the report, until the clock enters it.
function showPresent() {
  form.edited = false;
  let outside = false;
  stopClock = startClock((moment) => {
    const result = present(moment);
    if (result.present) {
      // Said once, not again every minute to a screen reader.
      if (!outside) {
        hideResult();
        form.showNotice(result.present);
      }
      if (!form.edited) form.fill(moment);
      outside = true;
      return;
    }
    if (outside) form.clearRefusal();
    outside = false;
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
    const now = present();
    if (!hasResult() && now.report) showResult(now, { present: true });
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

// A view of the address's values or, without them, of today's by the clock, filled again
// whenever what it shows changes: the day turns at 19:00, the year at midnight. `today` gives
// today's values from the present moment and the clock (null outside the range, where the view
// says so in place of its result, and `typeIn` what to type instead), `marked` what else of
// today the view shows, `show` fills the view and gives its title (null when it refuses the
// values).
function followToday(section, title, { values, today, typeIn, marked = () => null, show }) {
  let shown = null;
  stopClock = startClock((moment) => {
    const now = present(moment);
    const shows = values.length ? values : today(now, moment);
    const key = () => JSON.stringify([shows, marked(now)]);
    if (key() === shown) return;
    if (shows) {
      showView(section, show(shows, now) ?? title);
    } else {
      showNotice(document.getElementById(section), now.present
        ? `Часы устройства показывают время вне промежутка расчета, и ${typeIn}.` : now.message);
      showView(section, title);
    }
    // Taken once the view is filled, since what it marks depends on what it shows: taken
    // before, a month opened on today's would be filled again at the next minute.
    shown = key();
  });
}

// A page that neither held nor holds today is left as it is when the day turns, so that the
// turn does not take away the focus or the holiday's name shown in it.
function showMonth(values) {
  followToday('month-page', 'Месяц', {
    values,
    today: (now) => now.old?.slice(0, 2).map(String),
    typeIn: 'нынешнего месяца в нем нет: введите лето и месяц',
    marked: (now) => (view('month').holds(now.old) ? now.old : null),
    show: (month, now) => view('month').show(month, now.old ?? null),
  });
}

// The holidays of the clock's year follow it at midnight.
function showHolidays(values) {
  followToday('holidays', 'Праздники', {
    values,
    today: (now, moment) => now.old && [moment[2]],
    typeIn: 'нынешнего года в нем нет: введите год',
    show: ([year]) => view('holidays').show(year),
  });
}

function showOldDay(values) {
  followToday('old-day', 'Старая дата', {
    values,
    today: (now) => now.old?.map(String),
    typeIn: 'нынешнего дня в нем нет: введите число, месяц и лето',
    show: (day) => view('old').show(day),
  });
}

// Today is framed in the year's page as in the month's, and a year without it is left as it is.
function showYear(values) {
  followToday('year-page', 'Лето', {
    values,
    today: (now) => now.old && [String(now.old[0])],
    typeIn: 'нынешнего лета в нем нет: введите лето',
    marked: (now) => (view('year').holds(now.old) ? now.old : null),
    show: ([year], now) => view('year').show(year, now.old ?? null),
  });
}

// A view of kept days, drawn again when the old day turns, since it says how far off each
// return is.
function showKeptDays(section, view, values) {
  let shown = null;
  stopClock = startClock((moment) => {
    const key = JSON.stringify(present(moment).old ?? null);
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
    case 'year':
      showYear(route.values);
      return;
    case 'holidays':
      showHolidays(route.values);
      return;
    case 'birthday':
      showKeptDays('kept-day', view('keptDay'), route.values);
      return;
    case 'dates':
      showKeptDays('kept-days', view('keptDays'), route.values);
      return;
    case 'old':
      showOldDay(route.values);
      return;
    default:
  }
  showView('conversion');
  setConversionAddress(location.hash);
  form.clearRefusal();
  if (route.view === 'moment') showMoment(route.fields);
  else showPresent();
  if (route.malformed) form.showRefusal({ field: '', ...addressRefusal(route.malformed) });
}

try {
  core = await loadCore();
  window.addEventListener('popstate', show);
  show();
} catch (error) {
  form.showRefusal({ field: '', title: error.title ?? 'Ошибка', message: error.message });
}
// Kept for offline use whatever happened above: the page's start does not decide it.
keepOffline();
