// An old day and the Gregorian evenings on which it begins and ends, with its weekday, holiday
// and hall, and the ways on to its month's page and to the report of its first moment. The
// month may be typed by number or by name, as krugolet-cli takes it.
import { RefusalBox } from './field-refusal.js';
import { span } from './gregorian-text.js';
import { viewAddress } from './route.js';

export class OldDayView {
  constructor(section, core, names, { onGo }) {
    this.core = core;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = new RefusalBox(this.form, this.find('.refusal'));
    this.find('datalist').replaceChildren(...names.months.map((name) => new Option(name)));
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const { value: day, error } = core.oldDay(...this.values());
      if (day) onGo(viewAddress('old', day.year_from_creation, day.month, day.day));
      else this.refusal.show(error);
    });
    this.find('[data-now]').addEventListener('click', () => onGo(viewAddress('old')));
  }

  values() {
    const { year, month, day } = this.form.elements;
    return [year.value, month.value, day.value];
  }

  // The day of the texts [year, month, day]. Returns the page's title, or null when the day is
  // refused, which leaves the last day shown.
  show(values) {
    const { value: d, error } = this.core.oldDay(...values);
    const { year, month, day } = this.form.elements;
    [year.value, month.value, day.value] = d ? [d.year_from_creation, d.month_name, d.day] : values;
    if (!d) {
      this.refusal.show(error);
      return null;
    }
    this.refusal.clear();
    const title = `${d.day} ${d.month_name}а ${d.year_from_creation} лета`;
    this.find('.old-date').textContent = `${title}, ${d.weekday}`;
    this.find('[data-part="span"]').textContent = span(d.start, d.end);
    this.find('[data-part="holiday"]').textContent = d.holiday ?? 'нет';
    this.find('[data-part="hall"]').textContent = d.hall;
    this.find('[data-part="month"]').href = viewAddress('month', d.year_from_creation, d.month);
    this.find('[data-part="report"]').href = `#${d.start}`;
    this.find('.view-result').hidden = false;
    return title;
  }
}
