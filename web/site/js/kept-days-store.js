// The person's list of kept days, held in the browser's own storage only: nothing leaves the
// device. The browser keeps it across reloads, offline and new versions of the site, whose
// files change but whose address does not. The same form is written to a file to keep it
// elsewhere and read back from one, merged without doubles.
//   {"format": "krugolet-kept-days", "version": 1,
//    "entries": [{"name", "kind": "birthday" | "anniversary" | "memorial",
//                 "moment": "2000-03-15T20:30"}, ...]}
import { characters, kinds, typedFields } from './kept-day.js';
import { fromIsoMoment, isoMoment } from './moment.js';

const storageKey = 'krugolet.kept-days';
// A list the page could not read is set aside here rather than written over.
const damagedKey = 'krugolet.kept-days.damaged';
const format = 'krugolet-kept-days';
const version = 1;
export const largestFile = 1024 * 1024;
export const mostEntries = 1000;
export const longestName = 100;

// Refused: the message says what is wrong, in lower case and without a stop, since it is always
// set into a sentence of its own.
export class ListError extends Error {}

const sameDay = (a, b) => a.name === b.name && a.kind === b.kind && a.moment === b.moment;

// Why a name cannot be kept, or null. A name is the user's text, shown only as text.
export function nameProblem(name) {
  if (typeof name !== 'string' || name.trim() === '') return 'Имя не задано';
  if (/[\u0000-\u001f\u007f-\u009f]/.test(name)) return 'В имени есть управляющие знаки';
  if (characters(name) > longestName) return `Имя длиннее ${longestName} знаков`;
  return null;
}

// Why an entry read from a file or the storage cannot be kept, or null; `momentProblem` says
// why the core does not take its moment.
function entryProblem(entry, momentProblem) {
  if (typeof entry !== 'object' || entry === null) return 'это не запись';
  const problem = nameProblem(entry.name);
  if (problem) return problem.toLowerCase();
  if (!Object.hasOwn(kinds, entry.kind)) return 'неизвестный вид дня';
  const fields = typeof entry.moment === 'string' && fromIsoMoment(entry.moment);
  if (!fields) return 'момент записан неправильно';
  return momentProblem(fields);
}

// The entries of a list in the file's form, each checked; a ListError names the first fault.
export function entriesOfList(text, momentProblem) {
  let list;
  try {
    list = JSON.parse(text);
  } catch {
    throw new ListError('это не список памятных дней: файл не читается как JSON');
  }
  if (typeof list !== 'object' || list === null || list.format !== format) {
    throw new ListError('это не список памятных дней Круголета');
  }
  if (list.version !== version) {
    throw new ListError(Number.isInteger(list.version)
      ? `список записан в версии ${list.version}, а страница понимает только версию ${version}: обновите страницу`
      : 'в файле не указана версия списка');
  }
  if (!Array.isArray(list.entries)) throw new ListError('в списке нет записей');
  if (list.entries.length > mostEntries) {
    throw new ListError(`в списке больше ${mostEntries} записей`);
  }
  return list.entries.map((entry, index) => {
    const problem = entryProblem(entry, momentProblem);
    if (problem) throw new ListError(`запись ${index + 1} неправильная: ${problem}`);
    return { name: entry.name, kind: entry.kind, moment: entry.moment };
  });
}

export function listText(entries) {
  return JSON.stringify({
    format,
    version,
    entries: entries.map(({ name, kind, moment }) => ({ name, kind, moment })),
  }, null, 1);
}

// The entries with those of another list that are not in it yet, in the order read; a
// ListError when they would be more than the list may hold.
export function merged(entries, added) {
  const result = [...entries];
  for (const entry of added) if (!result.some((e) => sameDay(e, entry))) result.push(entry);
  if (result.length > mostEntries) {
    throw new ListError(`в списке может быть не больше ${mostEntries} записей, а вместе их ${result.length}`);
  }
  return result;
}

// The browser's storage, or null where it is refused (a private window, storage switched off).
function storage() {
  try {
    return window.localStorage;
  } catch {
    return null;
  }
}

const refused = 'Браузер не дает хранить список (так бывает в приватном окне или при запрете хранения данных сайтов): записи видны, пока страница открыта. Чтобы не потерять их, сохраните список в файл.';

// {entries, problem}: the list kept in the browser, and what went wrong reading it, if anything.
export function loadEntries(momentProblem) {
  const store = storage();
  if (!store) return { entries: [], problem: refused };
  let text;
  try {
    text = store.getItem(storageKey);
  } catch {
    return { entries: [], problem: refused };
  }
  if (text === null) return { entries: [], problem: null };
  try {
    return { entries: entriesOfList(text, momentProblem), problem: null };
  } catch (error) {
    let setAside = true;
    try {
      store.setItem(damagedKey, text);
    } catch {
      setAside = false;
    }
    const fate = setAside ? 'прежний список не стерт, он сохранен в браузере отдельно'
      : 'сохранить его отдельно не удалось, и первое же изменение запишет новый список поверх него';
    return {
      entries: [],
      problem: `Сохраненный в браузере список не читается (${error.message}); ${fate}.`,
    };
  }
}

// Writes the list; null when it is kept, else the message that says why it is not.
export function saveEntries(entries) {
  const store = storage();
  if (!store) return refused;
  try {
    store.setItem(storageKey, listText(entries));
    return null;
  } catch (error) {
    if (error?.name === 'QuotaExceededError') {
      return 'Хранилище браузера переполнено: последнее изменение видно, но не сохранено. Сохраните список в файл, чтобы не потерять его.';
    }
    return refused;
  }
}

// The moment typed as "15.03.2000 20:30" as the list keeps it, "2000-03-15T20:30", once the
// core has read it; null when it does not.
export function typedMoment(text, core) {
  const fields = typedFields(text);
  const result = fields && core.compute(fields).value;
  return result ? isoMoment(result.moment) : null;
}
