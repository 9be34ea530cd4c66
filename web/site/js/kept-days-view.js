// "Памятные дни" (#dates): the person's list of kept days, each with its old day, its next
// return and how far off it is, sorted by that return; added, changed and removed in the form,
// kept in the browser, saved to a file and merged back from one, and put into any calendar app
// as one file of every day's returns. Names are the user's text and are only ever set as text.
import { RefusalBox } from './field-refusal.js';
import { span } from './gregorian-text.js';
import {
  comingReturns, fieldsText, isoText, kinds, momentRefusal, movedText, whenText, yearsText,
} from './kept-day.js';
import {
  entriesOfList, largestFile, ListError, listText, loadEntries, merged, mostEntries, nameProblem,
  saveEntries, typedMoment,
} from './kept-days-store.js';
import { clockMoment, fromIsoMoment } from './moment.js';
import { keptDayAddress, keptDaysAddress } from './route.js';

// How many years of returns the calendar file holds unless asked for more or fewer.
const fileYears = 10;

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

// Saves the bytes as a file through a link of their own, as a download the user sees.
function download(bytes, type, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// "Мирослава — день рождения": an entry of the list, named as its heading names it, since one
// person may have more than one.
function entryName({ name, kind }) {
  return `${name} — ${kinds[kind].title}`;
}

function button(text, onClick) {
  const b = element('button', '', text);
  b.type = 'button';
  b.addEventListener('click', onClick);
  return b;
}

export class KeptDaysView {
  constructor(section, core) {
    this.core = core;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form.kept-form');
    this.refusal = new RefusalBox(this.form, this.find('#kept-refusal'));
    this.status = this.find('.status');
    this.list = this.find('.kept-list');
    this.editing = null;
    // Why the core does not take a moment read from a file or the storage, or null: a date
    // the calendar lacks, or one outside the range, which it then names.
    this.momentProblem = (fields) => {
      const { error } = core.compute(fields);
      if (!error) return null;
      if (error.present) return `момент вне промежутка расчета (${core.range().value?.text ?? ''})`;
      return error.fault ? error.message : 'такой даты в календаре нет';
    };
    const loaded = loadEntries(this.momentProblem);
    this.entries = loaded.entries;
    this.storageProblem = loaded.problem;

    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.submit();
    });
    const { picker } = this.form.elements;
    picker.addEventListener('change', () => {
      const fields = fromIsoMoment(picker.value);
      if (fields) this.form.elements.moment.value = fieldsText(fields);
    });
    this.find('[data-cancel]').addEventListener('click', () => this.stopEditing());
    this.find('[data-ics]').addEventListener('click', () => this.offerCalendarFile());
    this.find('[data-save]').addEventListener('click', () => this.offerList());
    const file = this.find('input[type="file"]');
    this.find('[data-load]').addEventListener('click', () => file.click());
    file.addEventListener('change', () => {
      if (file.files[0]) this.load(file.files[0]);
      file.value = '';
    });
    // Another tab of the page changed the list.
    window.addEventListener('storage', (event) => {
      if (event.key !== 'krugolet.kept-days') return;
      this.entries = loadEntries(this.momentProblem).entries;
      this.draw();
    });
  }

  // The list by the clock's moment `now`; an address's moment fills the form for a new entry,
  // but not `again`, when the list is only drawn anew as the day turns. Returns the page's title.
  show([moment], now = clockMoment(), again = false) {
    this.now = now;
    if (moment && !again && !this.editing) {
      this.form.elements.moment.value = isoText(moment) ?? moment;
      // Once the view is shown, which follows.
      queueMicrotask(() => this.form.elements.name.focus());
    }
    this.draw();
    return 'Памятные дни';
  }

  // Each entry with its next return, those with one in time order, then any the range has no
  // return left for.
  draw() {
    const now = this.now ?? clockMoment();
    const answers = comingReturns(this.core, this.entries, 1, now);
    const rows = this.entries.map((entry, i) => ({ entry, answer: answers[i] }));
    const start = ({ answer }) => answer.value?.kept.returns[0]?.start ?? '9999';
    rows.sort((a, b) => (start(a) < start(b) ? -1 : start(a) > start(b) ? 1 : 0));
    this.list.replaceChildren(...rows.map((row) => this.entryItem(row, now)));
    this.find('.kept-empty').hidden = this.entries.length > 0;
    this.find('.view-result').hidden = false;
    if (this.storageProblem) this.say(this.storageProblem, true);
  }

  entryItem({ entry, answer }, now) {
    const item = element('li', 'kept-entry');
    item.append(element('h3', '', entryName(entry)));
    const birth = answer.value?.kept.birth;
    item.append(element('p', 'birth', birth
      ? `${isoText(entry.moment)} — ${birth.day} ${birth.month_name}а ${birth.year_from_creation} лета`
      : isoText(entry.moment)));
    const next = answer.value?.kept.returns[0];
    if (next) {
      const line = element('p', 'next');
      line.append(element('strong', 'until', whenText(next.start, now)), ': ',
        element('span', 'day', `${next.day} ${next.month_name}а ${next.year_from_creation} лета, ${next.weekday}`),
        ', ', element('span', 'age', yearsText(next.age)));
      item.append(line, element('p', 'span', span(next.start, next.end)));
      if (next.moved_from) item.append(element('p', 'moved', movedText(next)));
      if (next.holiday) item.append(element('p', 'holiday', `Праздник: ${next.holiday}`));
    } else {
      item.append(element('p', 'next', answer.error?.message ?? noReturnsText(this.core)));
    }
    const actions = element('p', 'entry-actions');
    const all = element('a', '', 'Возвращения');
    all.href = keptDayAddress(entry.moment);
    actions.append(all, button('Изменить', () => this.edit(entry)),
      button('Удалить', () => this.remove(entry)));
    item.append(actions);
    return item;
  }

  // A message under the list: a refusal or failure as an alert, anything else as a status.
  say(message, alert = false, undo = null) {
    this.status.replaceChildren(message, ...(undo ? [' ', button('Вернуть', undo)] : []));
    this.status.setAttribute('role', alert ? 'alert' : 'status');
    this.status.classList.toggle('refusal', alert);
    this.status.hidden = false;
  }

  // Keeps the list, saying so when the browser does not: nothing is dropped without a word.
  keep(entries, done, undo = null) {
    this.entries = entries;
    this.storageProblem = saveEntries(entries);
    this.draw();
    if (!this.storageProblem) this.say(done, false, undo);
  }

  submit() {
    const { name, kind, moment } = this.form.elements;
    const problem = nameProblem(name.value);
    if (problem) {
      this.refusal.show({ field: 'name', message: `${problem}.` });
      return;
    }
    const iso = typedMoment(moment.value, this.core);
    // The core's own refusal: a moment it does not read, or a name it does not take.
    const [checked] = iso ? comingReturns(this.core, [{ moment: iso, name: name.value, kind: kind.value }], 1) : [];
    if (!checked?.value) {
      this.refusal.show(checked?.error ?? momentRefusal(this.core, moment.value));
      return;
    }
    this.refusal.clear();
    const entry = { name: name.value.trim(), kind: kind.value, moment: iso };
    const others = this.entries.filter((e) => e !== this.editing);
    if (others.some((e) => e.name === entry.name && e.kind === entry.kind && e.moment === entry.moment)) {
      this.refusal.show({ field: 'name', message: 'Такой день уже есть в списке.' });
      return;
    }
    const entries = this.editing ? this.entries.map((e) => (e === this.editing ? entry : e))
      : [...this.entries, entry];
    if (entries.length > mostEntries) {
      this.refusal.show({ field: 'name', message: `В списке может быть не больше ${mostEntries} дней.` });
      return;
    }
    const done = `Запись «${entryName(entry)}» ${this.editing ? 'изменена' : 'добавлена'}.`;
    this.stopEditing();
    this.keep(entries, done);
    if (location.hash !== keptDaysAddress()) history.replaceState(null, '', keptDaysAddress());
  }

  edit(entry) {
    this.editing = entry;
    const { name, kind, moment, picker } = this.form.elements;
    name.value = entry.name;
    kind.value = entry.kind;
    moment.value = isoText(entry.moment);
    picker.value = entry.moment;
    this.find('legend').textContent = 'Изменить памятный день';
    this.find('[type="submit"]').textContent = 'Сохранить';
    this.find('[data-cancel]').hidden = false;
    name.focus();
  }

  stopEditing() {
    this.editing = null;
    this.form.reset();
    this.refusal.clear();
    this.find('legend').textContent = 'Новый памятный день';
    this.find('[type="submit"]').textContent = 'Запомнить';
    this.find('[data-cancel]').hidden = true;
  }

  remove(entry) {
    if (entry === this.editing) this.stopEditing();
    const before = this.entries;
    this.keep(before.filter((e) => e !== entry), `Запись «${entryName(entry)}» удалена.`,
      () => this.keep(before, `Запись «${entryName(entry)}» возвращена.`));
    this.form.elements.name.focus();
  }

  offerList() {
    download(listText(this.entries), 'application/json', 'памятные-дни.json');
  }

  // Every entry's returns over the next years, from each one's next return, in one file.
  offerCalendarFile() {
    const years = Number(this.find('[name="years"]').value);
    if (!Number.isInteger(years) || years < 1 || years > 100) {
      this.say('Лет в файле: целое число от 1 до 100.', true);
      return;
    }
    if (this.entries.length === 0) {
      this.say('В списке нет дней.', true);
      return;
    }
    const now = clockMoment();
    const { value: bytes, error } = this.core.keptDaysIcalendar(this.entries.map(({ moment, name, kind }) => ({
      moment: isoText(moment), years: String(years), name, kind: kinds[kind].core,
    })), fieldsText(now));
    if (!bytes) {
      // The refusal of the first day refused, in the core's words; the device's clock outside the
      // range refuses every day alike, and no one is named.
      const answers = comingReturns(this.core, this.entries, years, now);
      const i = answers.findIndex((answer) => !answer.value);
      const refused = answers[i]?.error ?? error;
      const why = refused.field === 'clock' || i < 0 ? ` ${refused.message}`
        : ` Запись «${entryName(this.entries[i])}»: ${refused.message}`;
      this.say(`Файл для календаря не составлен.${why}`, true);
      return;
    }
    download(bytes, 'text/calendar;charset=utf-8', 'памятные-дни.ics');
  }

  async load(file) {
    try {
      if (file.size > largestFile) {
        throw new ListError('файл больше 1 МБ — это не список памятных дней');
      }
      const added = entriesOfList(await file.text(), this.momentProblem);
      const before = this.entries.length;
      const entries = merged(this.entries, added);
      this.keep(entries, `Из файла добавлено дней: ${entries.length - before} (уже были в списке: ${added.length - (entries.length - before)}).`);
    } catch (error) {
      if (!(error instanceof ListError)) throw error;
      this.say(`Список не загружен: ${error.message}. Список остался прежним.`, true);
    }
  }
}
