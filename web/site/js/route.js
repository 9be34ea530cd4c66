// The address after "#" names what the page shows, so that it can be bookmarked or sent:
//   (nothing)            the present moment, moving on with the clock
//   2000-03-15T20:30     a Gregorian moment
//   month/7535/2         the page of a month: the year from the Creation, the month
//   holidays/2027        the holidays of a Gregorian year
//   old/7536/1/1         an old day: the year from the Creation, the month (number or name), day
//   birthday/2000-03-15T20:30  a kept day: the moment's old day and its next returns
//   dates                the person's list of kept days; dates/2000-03-15T20:30 with that moment
//                        in the form to add it
//   help                 the help
// A view that shows more than a moment is named by a word, its values after slashes; without
// them it shows today's month, year or day. Any other address shows the present moment.
import { fromIsoMoment, isoMoment } from './moment.js';

const views = { month: 2, holidays: 1, old: 3, help: 0, birthday: 1, dates: 1 };

export function parseAddress(hash) {
  const [view, ...values] = decodeURIComponent(hash.replace(/^#/, '')).split('/');
  if (Object.hasOwn(views, view) && (values.length === views[view] || values.length === 0)) {
    return { view, values };
  }
  const fields = fromIsoMoment(view);
  if (fields && values.length === 0) return { view: 'moment', fields };
  return { view: 'now' };
}

export function momentAddress(moment) {
  return `#${isoMoment(moment)}`;
}

export function viewAddress(view, ...values) {
  return `#${[view, ...values].map(encodeURIComponent).join('/')}`;
}

// A moment's kept day, and the list with that moment in its form; the moment as the address
// writes one, "2000-03-15T20:30", which needs no escaping.
export function keptDayAddress(moment) {
  return `#birthday/${moment}`;
}

export function keptDaysAddress(moment) {
  return moment ? `#dates/${moment}` : '#dates';
}

export const nowAddress = '';
