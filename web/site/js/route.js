// The address after "#" names what the page shows, so that it can be bookmarked or sent:
//   (nothing)            the present moment, moving on with the clock
//   2000-03-15T20:30     a Gregorian moment
//   help                 the help
// A view that shows more than a moment is named by a word, its values after slashes. Any other
// address shows the present moment.
import { fromIsoMoment, isoMoment } from './moment.js';

export function parseAddress(hash) {
  const address = decodeURIComponent(hash.replace(/^#/, ''));
  if (address === 'help') return { view: 'help' };
  const fields = fromIsoMoment(address);
  if (fields) return { view: 'moment', fields };
  return { view: 'now' };
}

export function momentAddress(moment) {
  return `#${isoMoment(moment)}`;
}

export const nowAddress = '';
