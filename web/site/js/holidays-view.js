// The holidays of a Gregorian year, each with its old day, which leads to its month's page; the
// years around it; and the year's calendar file, made in the page by the same code as
// krugolet-cli --ics and saved by a link to its bytes.
import { RefusalBox } from './field-refusal.js';
import { fillHolidayList } from './holiday-list.js';
import { viewAddress } from './route.js';

export class HolidaysView {
  constructor(section, core, { onGo, onPrint }) {
    this.core = core;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = new RefusalBox(this.form, this.find('.refusal'));
    this.download = this.find('[download]');
    this.fileUrl = null;
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const year = this.form.elements.year.value;
      const { value, error } = core.yearHolidays(year);
      if (value) onGo(viewAddress('holidays', Number(year)));
      else this.refusal.show(error);
    });
    this.find('[data-now]').addEventListener('click', () => onGo(viewAddress('holidays')));
    this.find('[data-print]').addEventListener('click', onPrint);
  }

  // The holidays of the year's text. Returns the page's title, or null when the year is refused.
  show(year) {
    const { value: answer, error } = this.core.yearHolidays(year);
    this.form.elements.year.value = year;
    if (!answer) {
      this.refusal.show(error);
      return null;
    }
    this.refusal.clear();
    const number = Number(year);
    const [first, last] = answer.years;
    this.find('h2').textContent = answer.heading;
    this.step('[data-step="previous"]', number - 1, number > first, `‹ ${number - 1}`,
      'Предыдущий год');
    this.step('[data-step="next"]', number + 1, number < last, `${number + 1} ›`,
      'Следующий год');
    fillHolidayList(this.find('.holiday-list'), answer.holidays.map((h) => ({
      name: h.name,
      day: `${h.day} ${h.month_name}а ${h.year_from_creation} лета`,
      href: viewAddress('month', h.year_from_creation, h.month),
      start: h.start,
      end: h.end,
    })));
    if (this.fileUrl) URL.revokeObjectURL(this.fileUrl);
    const file = this.core.yearIcalendar(year).value ?? '';
    this.fileUrl = URL.createObjectURL(new Blob([file], { type: 'text/calendar;charset=utf-8' }));
    this.download.href = this.fileUrl;
    this.download.download = `праздники-${number}.ics`;
    this.find('.view-result').hidden = false;
    return answer.heading;
  }

  // A link to the year before or after, hidden outside the range.
  step(selector, year, inside, text, what) {
    const link = this.find(selector);
    link.hidden = !inside;
    link.href = viewAddress('holidays', year);
    link.textContent = text;
    link.setAttribute('aria-label', `${what}: ${year}`);
  }
}
