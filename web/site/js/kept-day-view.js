// A kept day of a Gregorian moment (#birthday/2000-03-15T20:30): its old day and its next ten
// returns, each with its Gregorian evenings and how far off it is, as krugolet-cli --birthday
// gives them; "Запомнить" takes it to the person's list.
import { RefusalBox } from './field-refusal.js';
import { span } from './gregorian-text.js';
import {
  comingReturns, isoText, momentRefusal, movedText, noReturnsText, whenText, yearsText,
} from './kept-day.js';
import { typedMoment } from './kept-days-store.js';
import { clockMoment, fromIsoMoment, isoMoment } from './moment.js';
import { keptDayAddress, keptDaysAddress } from './route.js';

const shown = 10;

function part(tag, className, text) {
  const element = document.createElement(tag);
  element.className = className;
  element.textContent = text;
  return element;
}

// One return: its old year and the years since, its day, its evenings, how far off it is, and
// the holiday and the day it stands in for, when it has them.
function returnItem(r, now) {
  const item = document.createElement('li');
  const head = document.createElement('p');
  head.append(part('strong', 'year', `Лето ${r.year_from_creation}`), ', ',
    part('span', 'age', yearsText(r.age)), ': ',
    part('span', 'day', `${r.day} ${r.month_name}а, ${r.weekday}`), ' — ',
    part('span', 'until', whenText(r.start, now)));
  item.append(head, part('p', 'span', span(r.start, r.end)));
  if (r.holiday) item.append(part('p', 'holiday', `Праздник: ${r.holiday}`));
  if (r.moved_from) item.append(part('p', 'moved', movedText(r)));
  return item;
}

export class KeptDayView {
  constructor(section, core, { onGo, onPrint }) {
    this.core = core;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = new RefusalBox(this.form, this.find('.refusal'));
    this.moment = null;
    const { moment, picker } = this.form.elements;
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const iso = typedMoment(moment.value, core);
      if (iso) onGo(keptDayAddress(iso));
      else this.refusal.show(momentRefusal(core, moment.value));
    });
    picker.addEventListener('change', () => {
      if (fromIsoMoment(picker.value)) onGo(keptDayAddress(picker.value));
    });
    this.find('[data-keep]').addEventListener('click', () => onGo(keptDaysAddress(this.moment)));
    this.find('[data-print]').addEventListener('click', onPrint);
  }

  // The kept day of the moment ["2000-03-15T20:30"] by the clock's moment `now`, or the form
  // alone without one. Returns the page's title, or null when the moment is refused.
  show([iso], now = clockMoment()) {
    const { moment, picker } = this.form.elements;
    const result = this.find('.view-result');
    if (!iso) {
      result.hidden = true;
      this.refusal.clear();
      return 'Памятный день';
    }
    moment.value = isoText(iso) ?? iso;
    const [{ value: answer, error }] = comingReturns(this.core, [{ moment: iso }], shown, now);
    if (!answer) {
      this.refusal.show(error);
      result.hidden = true;
      return null;
    }
    this.refusal.clear();
    this.moment = iso;
    picker.value = isoMoment(fromIsoMoment(iso));
    const { birth, returns } = answer.kept;
    const title = `${birth.day} ${birth.month_name}а ${birth.year_from_creation} лета`;
    this.find('h2').textContent = title;
    this.find('.view-span').textContent = answer.heading;
    this.find('.returns').replaceChildren(...returns.map((r) => returnItem(r, now)));
    const none = this.find('.no-returns');
    none.textContent = `${noReturnsText(this.core)}.`;
    none.hidden = returns.length > 0;
    result.hidden = false;
    return title;
  }
}
