// The calendar's core, compiled to WebAssembly, with the library of texts loaded into it.
import createModule from './krugolet-core.js';

const libraryUrl = new URL('../библиотека.txt', import.meta.url);

class LoadError extends Error {
  constructor(title, message) {
    super(message);
    this.title = title;
  }
}

// The title of an error no answer carries: a call that threw inside the core.
const failureTitle = 'Ошибка в ядре страницы';

function answer(module, pointer) {
  return JSON.parse(module.UTF8ToString(pointer));
}

// The file's bytes, or null when it cannot be fetched.
async function fetchLibrary() {
  try {
    const response = await fetch(libraryUrl);
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

// Without the file's bytes the core answers with the failure of a missing file.
function loadLibrary(module, bytes) {
  if (!bytes) return answer(module, module._load_library(0, -1));
  const pointer = module._malloc(bytes.length);
  module.HEAPU8.set(bytes, pointer);
  const result = answer(module, module._load_library(pointer, bytes.length));
  module._free(pointer);
  return result;
}

// The answer of a file's text as its bytes, which the page saves.
function fileOf({ value, error }) {
  return error ? { error } : { value: new TextEncoder().encode(value) };
}

// The text's first `count` characters (code points), without copying the rest of a long one.
function firstCharacters(text, count) {
  let length = 0;
  for (const character of text) {
    if (count-- === 0) return text.slice(0, length);
    length += character.length;
  }
  return text;
}

// Calls a function of the core with texts, each copied into the core's heap as UTF-8 and freed
// after the call; no text is longer than the core's limit by more than one character, which is
// enough for the core to refuse it with the field's usual message, so a pasted text of any size
// costs the core nothing. Gives what the function returns: the address of its answer.
function callWithTexts(module, name, texts) {
  const encoder = new TextEncoder();
  const limit = module._field_limit() + 1;
  const pointers = texts.map((text) => {
    const bytes = encoder.encode(firstCharacters(String(text), limit));
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    module.HEAPU8[pointer + bytes.length] = 0;
    return pointer;
  });
  try {
    return module[`_${name}`](...pointers);
  } finally {
    pointers.forEach((pointer) => module._free(pointer));
  }
}

// Calls the core's function `name` with a list of kept days and the page's clock, both copied
// into the core's heap as UTF-8 and freed after the call: the list as one line of tab-separated
// texts for each day, each text cut as callWithTexts cuts a field (a name after one character
// more than any name may have), so that the core refuses a text too long with its usual message.
// Gives the address of its answer.
function callWithList(module, name, days, now) {
  const encoder = new TextEncoder();
  const limit = module._field_limit() + 1;
  const lines = days.map((d) => `${[firstCharacters(d.moment, limit), firstCharacters(d.years, limit),
    firstCharacters(d.name, module._name_limit() + 1), firstCharacters(d.kind, limit)].join('\t')}\n`);
  const texts = [encoder.encode(lines.join('')), encoder.encode(firstCharacters(now, limit))];
  const pointers = texts.map((bytes) => {
    const pointer = module._malloc(bytes.length + 1);
    module.HEAPU8.set(bytes, pointer);
    module.HEAPU8[pointer + bytes.length] = 0;
    return pointer;
  });
  try {
    return module[`_${name}`](pointers[0], texts[0].length, pointers[1]);
  } finally {
    pointers.forEach((pointer) => module._free(pointer));
  }
}

// Resolves to the core once the library has loaded; rejects with a LoadError carrying the
// window program's own title and text when the library is missing or damaged.
// Every call answers {value} or {error: {field, title, message}}, the field being the one the page
// marks ('' for none). A call that throws, a fault of the core that no answer carries, is told to
// `onFailure` as such an error, marked `fault`, and answered with it, so that the page goes on as
// after a refusal.
export async function loadCore(onFailure) {
  const [module, bytes] = await Promise.all([createModule(), fetchLibrary()]);
  const loaded = loadLibrary(module, bytes);
  if (loaded.error) throw new LoadError(loaded.error.title, loaded.error.message);
  const ask = (call) => {
    try {
      return answer(module, call());
    } catch (failure) {
      // Kept whole in the console, with where it was thrown, for whoever looks into it.
      console.error(failure);
      const error = {
        field: '', title: failureTitle, message: String(failure?.message ?? failure), fault: true,
      };
      onFailure(error);
      return { error };
    }
  };
  const call = (name, args) => ask(() => callWithTexts(module, name, args));
  return {
    // The five fields as typed: {moment, old: [year, month, day], old_date, report}. A refused
    // moment that lies outside the range says under error.present what the page says when it is
    // the present one.
    compute(fields) {
      return call('convert_fields', fields);
    },
    // {months, weekdays, short_weekdays}: the names in the calendar's order.
    names() {
      return ask(() => module._calendar_names());
    },
    // The texts of the fields, as typed. Each gives krugolet-cli's JSON of the view (a month's or
    // a year's page, a day, {heading, holidays, years}), refused with its message.
    monthPage(year, month) {
      return call('month_page', [year, month]);
    },
    // The months a month page leads to: {previous_year, previous, next, next_year}, each
    // {year_from_creation, month, month_name}, or null outside the range.
    monthNeighbours(year, month) {
      return call('month_neighbours', [year, month]);
    },
    yearPage(year) {
      return call('year_page', [year]);
    },
    oldDay(year, month, day) {
      return call('old_day', [year, month, day]);
    },
    yearHolidays(year) {
      return call('year_holidays', [year]);
    },
    // The bytes of the year's calendar file, as krugolet-cli --ics writes them.
    yearIcalendar(year) {
      return fileOf(call('year_icalendar', [year]));
    },
    // Kept days [{moment: "15.03.2000 20:30", years, name, kind}], as krugolet-cli --birthday
    // takes them ('' for an option not given), by the page's clock "DD.MM.YYYY HH:MM": for each
    // in turn an answer of its own, {kept: its --json of the coming returns, the first one that
    // has not ended and those after, heading}, or its refusal.
    keptDays(days, now) {
      return ask(() => callWithList(module, 'kept_days', days, now));
    },
    // The calendar file of the same days' coming returns, the events of --birthday --ics: its
    // bytes, or the first day's refusal.
    keptDaysIcalendar(days, now) {
      return fileOf(ask(() => callWithList(module, 'kept_days_icalendar', days, now)));
    },
    // The range the page computes in: {text, first, last, years, years_from_creation}, the
    // first and last minute as the calendar picker takes them.
    range() {
      return ask(() => module._calendar_range());
    },
    // {lines, text}: the About window's lines and its description.
    about() {
      return ask(() => module._about_program());
    },
  };
}
