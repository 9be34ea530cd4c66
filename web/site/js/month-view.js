// The month page: the month's name and Gregorian span, the way to the months and years around
// it, the grid, and the month's holidays listed under it. A month refused in the form or the
// address leaves the last page shown.
import { clearRefusal, showRefusal } from './field-refusal.js';
import { span } from './gregorian-text.js';
import { fillHolidayList } from './holiday-list.js';
import { MonthGrid } from './month-grid.js';
import { viewAddress } from './route.js';

export class MonthView {
  constructor(section, core, names, { onGo, onPrint }) {
    this.core = core;
    this.months = names.months;
    this.section = section;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = this.find('.refusal');
    this.grid = new MonthGrid(this.find('table'), this.find('.day-tip'), names.weekdays);
    this.form.elements.month.replaceChildren(
      ...names.months.map((name, i) => new Option(name, String(i + 1))));
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const { year, month } = this.form.elements;
      const { page, ...refusal } = core.monthPage(year.value, month.value);
      if (page) onGo(viewAddress('month', page.year_from_creation, page.month));
      else showRefusal(this.form, this.refusal, refusal);
    });
    this.find('[data-now]').addEventListener('click', () => onGo(viewAddress('month')));
    this.find('[data-print]').addEventListener('click', onPrint);
  }

  // The month of the texts [year, month], today ([year, month, day] or null) marked in it.
  // Returns the page's title, or null when the month is refused.
  show([year, month], today) {
    const answer = this.core.monthPage(year, month);
    this.form.elements.year.value = year;
    this.form.elements.month.value = answer.page ? String(answer.page.month) : month;
    if (!answer.page) {
      this.shown = null;
      showRefusal(this.form, this.refusal, answer);
      return null;
    }
    clearRefusal(this.form, this.refusal);
    const page = answer.page;
    const { year_from_creation: y, month: m, month_name: name, days } = page;
    this.shown = [y, m];
    const title = `${name} ${y} лета`;
    this.find('h2').textContent = title;
    this.find('.view-span').textContent = span(days[0].start, days.at(-1).end);
    const yearLink = this.find('[data-part="year"]');
    yearLink.href = viewAddress('year', y);
    yearLink.textContent = `Все лето ${y}`;
    this.step('[data-step="previous-year"]', y - 1, m, `‹ ${y - 1}`, 'Предыдущее лето');
    this.step('[data-step="previous"]', m > 1 ? y : y - 1, m > 1 ? m - 1 : 9,
      `‹ ${this.months[(m + 7) % 9]}`, 'Предыдущий месяц');
    this.step('[data-step="next"]', m < 9 ? y : y + 1, m < 9 ? m + 1 : 1,
      `${this.months[m % 9]} ›`, 'Следующий месяц');
    this.step('[data-step="next-year"]', y + 1, m, `${y + 1} ›`, 'Следующее лето');
    for (const part of this.section.querySelectorAll('.view-result')) part.hidden = false;
    this.grid.fill(page, this.holds(today) ? today[2] : 0);
    fillHolidayList(this.find('.holiday-list'), days.filter((d) => d.holiday).map((d) => ({
      name: d.holiday, day: `${d.day} ${name}а, ${d.weekday}`, start: d.start, end: d.end,
    })));
    return title;
  }

  // Whether today ([year, month, day] or null) lies in the month shown: only then does the turn
  // of the day change the page.
  holds(today) {
    return Boolean(today && this.shown && today[0] === this.shown[0] && today[1] === this.shown[1]);
  }

  // A link to a month around this one, hidden when that month lies outside the range (whose
  // first day the core, asked for it alone, does not give).
  step(selector, year, month, text, what) {
    const link = this.find(selector);
    const { day } = this.core.oldDay(String(year), String(month), '1');
    link.hidden = !day;
    if (!day) return;
    link.href = viewAddress('month', year, month);
    link.textContent = text;
    link.setAttribute('aria-label', `${what}: ${day.month_name} ${year} лета`);
  }
}
