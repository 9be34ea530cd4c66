// What the views of kept days share: the kinds and their words, a moment as the core reads it,
// the returns still to come by the page's clock, and how far off a return is.
import { clockMoment, fromIsoMoment } from './moment.js';

// The kind as the list and its file keep it, as the core takes it, and as the page words it.
export const kinds = {
  birthday: { core: 'рождение', title: 'день рождения', label: 'День рождения' },
  anniversary: { core: 'годовщина', title: 'годовщина', label: 'Годовщина' },
  memorial: { core: 'память', title: 'день памяти', label: 'День памяти' },
};

const pad = (n, width = 2) => String(n).padStart(width, '0');

// "15.03.2000 20:30": five field texts (day, month, year, hour, minute) as krugolet-cli takes a
// moment.
export function fieldsText([day, month, year, hour, minute]) {
  return `${pad(day)}.${pad(month)}.${pad(year, 4)} ${pad(hour)}:${pad(minute)}`;
}

// The same of the address's form, "2000-03-15T20:30"; null for any other text.
export function isoText(iso) {
  const fields = fromIsoMoment(iso);
  return fields && fieldsText(fields);
}

// The five field texts of a typed "15.03.2000 20:30", cut as krugolet-cli cuts it, for the core
// to read; null when it is not of that shape.
export function typedFields(text) {
  const parts = text.trim().split(/[ \t]+/);
  if (parts.length !== 2) return null;
  const date = parts[0].split('.');
  const time = parts[1].split(':');
  return date.length === 3 && time.length === 2 ? [...date, ...time] : null;
}

// Characters, not UTF-16 units, as the core counts them.
export function characters(text) {
  return [...text].length;
}

function plural(n, one, few, many) {
  const tens = n % 100;
  const units = n % 10;
  if (tens >= 11 && tens <= 14) return many;
  if (units === 1) return one;
  return units >= 2 && units <= 4 ? few : many;
}

// "27 лет", as krugolet-cli counts old years, and "сам день" in the kept day's own year.
export function yearsText(years) {
  return years === 0 ? 'сам день' : `${years} ${plural(years, 'лето', 'лета', 'лет')}`;
}

// "41 Гэйлета в это лето нет, день отмечается 40 Гэйлета": every output of a day kept on
// another says so, in the words of krugolet-cli.
export function movedText({ moved_from: moved, day, month_name: month }) {
  return `${moved} ${month}а в это лето нет, день отмечается ${day} ${month}а`;
}

// Old days from the one the clock is in to the day the return begins on: "сегодня" while it
// lasts, "через N дней" before it. An old day begins at 19:00 of the Gregorian day before.
export function whenText(start, now = clockMoment()) {
  const [year, month, day] = start.slice(0, 10).split('-').map(Number);
  const [nowDay, nowMonth, nowYear, nowHour] = now.map(Number);
  const today = Date.UTC(nowYear, nowMonth - 1, nowDay) - (nowHour < 19 ? 86400000 : 0);
  const days = Math.round((Date.UTC(year, month - 1, day) - today) / 86400000);
  if (days <= 0) return 'сегодня';
  return `через ${days} ${plural(days, 'день', 'дня', 'дней')}`;
}

// The coming returns of kept days [{moment, name, kind}], `count` of each by the clock's moment
// `now`: for each in turn, the core's answer, {kept, heading} or its refusal. The
// first is the first return that has not ended; fewer near the end of the range, none after it.
// The core reads a list as lines of tab-separated texts: a tab or line break typed or put into
// the address stands as a blank, which krugolet-cli takes between the date and the time.
export function comingReturns(core, days, count, now = clockMoment()) {
  const blank = (text) => text.replace(/[\t\n\r]/g, ' ');
  const { value, error } = core.keptDays(days.map(({ moment, name = '', kind = 'birthday' }) => ({
    moment: blank(isoText(moment) ?? moment), years: String(count), name: blank(name),
    kind: kinds[kind].core,
  })), fieldsText(now));
  return value ?? days.map(() => ({ error }));
}

// Why the core does not take a typed moment, as a refusal of the field: what to type when it is
// empty, what is wrong with a date and time of the right shape (a day its month lacks, a year
// outside the range) as the form of the report says it, else krugolet-cli's message.
export function momentRefusal(core, text, now = clockMoment()) {
  if (text.trim() === '') {
    return { field: 'moment', message: 'Введите дату и время: ДД.ММ.ГГГГ ЧЧ:ММ, например 15.03.2000 20:30.' };
  }
  const fields = typedFields(text);
  const refused = fields && core.compute(fields).error;
  if (refused?.message && !refused.fault) return { field: 'moment', message: refused.message };
  const [answer] = comingReturns(core, [{ moment: text }], 1, now);
  return { ...answer.error, field: 'moment', message: answer.error?.message ?? '' };
}

// What a kept day says when the range holds no return of it any more: up to which old year the
// core computes.
export function noReturnsText(core) {
  const [, last] = core.range().value?.years_from_creation ?? [];
  return last ? `Возвращений в промежутке (до ${last} лета) больше нет` : 'Возвращений больше нет';
}
