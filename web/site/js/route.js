// The address after "#" names what the page shows, so that it can be bookmarked or sent:
//   (nothing)            the present moment, moving on with the clock
//   2000-03-15T20:30     a Gregorian moment
//   month/7535/2         the page of a month: the year from the Creation, the month
//   year/7536            the page of a year from the Creation
//   holidays/2027        the holidays of a Gregorian year
//   old/7536/1/1         an old day: the year from the Creation, the month (number or name), day
//   birthday/2000-03-15T20:30  a kept day: the moment's old day and its next returns
//   dates                the person's list of kept days; dates/2000-03-15T20:30 with that moment
//                        in the form to add it
//   help                 the help
// A view that shows more than a moment is named by a word, its values after slashes; without
// them it shows today's month, year or day. Any other address shows the present moment; one
// whose part is no percent-encoded UTF-8 text shows it with a refusal naming that part.
import { fromIsoMoment, isoMoment } from './moment.js';

const views = { month: 2, year: 1, holidays: 1, old: 3, help: 0, birthday: 1, dates: 1 };

// A part of an address as it stands there, or what is wrong with it.
function decodePart(part) {
  try {
    return { text: decodeURIComponent(part) };
  } catch {
    const reason = /%(?![0-9A-Fa-f]{2})/.test(part)
      ? 'за знаком «%» должны идти две шестнадцатеричные цифры'
      : 'ее коды не составляют текста в UTF-8';
    return { malformed: { part, reason } };
  }
}

// The part echoed by its first 40 characters, since an address may be as long as 2 MB. (The
// browser gives the address percent-encoded, all in ASCII, so a character is a code unit.)
function echo(text) {
  return text.length > 40 ? `${text.slice(0, 40)}…` : text;
}

export function addressRefusal({ part, reason }) {
  return {
    title: 'Адрес не прочитан.',
    message: `Часть «${echo(part)}»: ${reason}; показан нынешний момент.`,
  };
}

export function parseAddress(hash) {
  const parts = hash.replace(/^#/, '').split('/').map(decodePart);
  const malformed = parts.find((part) => part.malformed)?.malformed;
  if (malformed) return { view: 'now', malformed };
  const [view, ...values] = parts.map((part) => part.text);
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
