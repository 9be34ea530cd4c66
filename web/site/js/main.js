// Starts the page: loads the core, then shows what the address names and follows the history.
import { startClock } from './clock.js';
import { ConversionView } from './conversion-view.js';
import { loadCore } from './core.js';
import { showNotice } from './field-refusal.js';
import { fillHelp } from './help-view.js';
import { HolidaysView } from './holidays-view.js';
import { KeptDayView } from './kept-day-view.js';
import { KeptDaysView } from './kept-days-view.js';
import { clockMoment } from './moment.js';
import { MonthView } from './month-view.js';
import { keepOffline } from './offline.js';
import { OldDayView } from './old-day-view.js';
import { parseAddress } from './route.js';
import {
  boundPickers, setConversionAddress, showCoreFailure, showView,
} from './views.js';
import { YearView } from './year-view.js';

let core = null;
let stopClock = null;

const section = (id) => document.getElementById(id);
const actions = { onGo: go, onPrint: () => window.print() };
// Made before the core has loaded, so that the form is the page's from the first moment and
// can show why the core did not load.
const conversion = new ConversionView(section('conversion'), null, actions);
let names = null;
const calendarNames = () => (names ??= core.names().value);

// The calendar's views, each made when it is first shown, so that the report of a first visit
// waits for none of them.
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

function go(address, replace = false) {
  const url = address || location.pathname + location.search;
  if (replace) history.replaceState(null, '', url);
  else history.pushState(null, '', url);
  show();
}

function stopPresent() {
  if (stopClock) stopClock();
  stopClock = null;
}

// Today by the device's clock as the core answers the present moment: its old day ([year, month,
// day] under `old`, null outside the range) and, when it has none, what the page says instead
// (`notice`; `outside` when the clock lies outside the range).
function present(moment = clockMoment()) {
  const { value, error } = core.compute(moment);
  return {
    old: value?.old ?? null,
    notice: error && (error.present ?? error.message),
    outside: Boolean(error?.present),
  };
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
      showNotice(document.getElementById(section), now.outside
        ? `Часы устройства показывают время вне промежутка расчета, и ${typeIn}.` : now.notice);
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
    show: (month, now) => view('month').show(month, now.old),
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
    show: ([year], now) => view('year').show(year, now.old),
  });
}

// A view of kept days, drawn again when the old day turns, since it says how far off each
// return is.
function showKeptDays(section, view, values) {
  let shown = null;
  stopClock = startClock((moment) => {
    const key = JSON.stringify(present(moment).old);
    if (key === shown) return;
    const again = shown !== null;
    shown = key;
    showView(section, view.show(values, moment, again) ?? 'Памятный день');
  });
}

function show() {
  const route = parseAddress(location.hash);
  stopPresent();
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
  stopClock = conversion.show(route);
}

try {
  core = await loadCore(showCoreFailure);
  conversion.core = core;
  const range = core.range().value;
  if (range) boundPickers(range);
  window.addEventListener('popstate', show);
  show();
} catch (error) {
  conversion.refusal.show({ field: '', title: error.title ?? 'Ошибка',
    message: error.message });
}
// Kept for offline use whatever happened above: the page's start does not decide it.
keepOffline();
