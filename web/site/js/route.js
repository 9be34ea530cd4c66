// The address after "#" names what the page shows, so that it can be bookmarked or sent:
//   (nothing)            the present moment, moving on with the clock
//   2000-03-15T20:30     a Gregorian moment
//   month/7535/2         the page of a month: the year from the Creation, the month
//   year/7536            the page of a year from the Creation
//   holidays/2027        the holidays of a Gregorian year
//   old/7536/1/1         an old day: the year from the Creation, the month (number or name), day
//   help                 the help
// A view that shows more than a moment is named by a word, its values after slashes; without
// them it shows today's month, year or day. Any other address shows the present moment.
import { fromIsoMoment, isoMoment } from './moment.js';

const views = { month: 2, year: 1, holidays: 1, old: 3, help: 0 };

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

export const nowAddress = '';
