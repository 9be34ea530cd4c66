// The conversion: the five fields of the Gregorian moment with the calendar picker beside them
// and the form's buttons, and under them the result, the old date in large type, the ways to its
// month's page and to its day, and the report, the same text as krugolet-cli gives. As in the
// window program, Enter converts and Space moves on to the next field (in the minute field it
// converts), and the present moment is headed "Ныне:".
import { startClock } from './clock.js';
import { RefusalBox } from './field-refusal.js';
import { clockMoment, fromIsoMoment, isoMoment } from './moment.js';
import {
  addressRefusal, keptDaysAddress, momentAddress, nowAddress, viewAddress,
} from './route.js';

const fieldNames = ['day', 'month', 'year', 'hour', 'minute'];

export class ConversionView {
  constructor(section, core, { onGo, onPrint }) {
    this.core = core;
    this.onGo = onGo;
    this.find = (selector) => section.querySelector(selector);
    const form = this.find('#moment-form');
    this.form = form;
    this.fields = fieldNames.map((name) => form.elements[name]);
    this.picker = this.find('#picker');
    // A refusal names the field at fault; "moment" (outside the range) marks all five.
    this.refusal = new RefusalBox(form, this.find('#refusal'), {
      titled: true,
      inputsOf: (field) => (field === 'moment' ? this.fields
        : this.fields.filter((f) => f.name === field)),
    });
    // Whether the fields were typed in since the page filled them.
    this.edited = false;
    // Whether the current history entry was made by the calendar picker: while the user keeps
    // picking, each pick replaces it rather than filling the history with every step.
    this.pickedEntry = false;

    form.addEventListener('submit', (event) => {
      event.preventDefault();
      this.convert(this.values(), false);
    });
    form.addEventListener('input', (event) => {
      if (event.target !== this.picker) this.edited = true;
    });
    this.fields.forEach((field, index) => {
      field.addEventListener('keydown', (event) => {
        if (event.key !== ' ' || event.ctrlKey || event.altKey || event.metaKey) return;
        event.preventDefault();
        const next = this.fields[index + 1];
        if (next) next.focus();
        else form.requestSubmit();
      });
    });
    this.picker.addEventListener('change', () => {
      const moment = fromIsoMoment(this.picker.value);
      if (!moment) return;
      this.fill(moment);
      this.convert(moment, true);
    });
    this.find('#now-button').addEventListener('click',
      () => onGo(nowAddress, location.hash === nowAddress));
    this.find('#print-button').addEventListener('click', onPrint);
  }

  // The route's moment, or without one the present moment, moving on with the clock; a
  // malformed address is refused as a field is. Returns the function that stops following the
  // clock, or null.
  show(route) {
    this.pickedEntry = false;
    this.refusal.clear();
    let stop = null;
    if (route.view === 'moment') this.showMoment(route.fields);
    else stop = this.showPresent();
    if (route.malformed) this.refusal.show({ field: '', ...addressRefusal(route.malformed) });
    return stop;
  }

  // The core's error shown as a refusal, or its value given.
  checked({ value, error }) {
    if (error) this.refusal.show(error);
    return value;
  }

  convert(fields, picked) {
    const result = this.checked(this.core.compute(fields));
    if (!result) return;
    const address = momentAddress(result.moment);
    const replace = address === location.hash || (picked && this.pickedEntry);
    this.onGo(address, replace);
    this.pickedEntry = picked;
  }

  // A moment from the address: its fields are checked as typed ones are, and a refused one leaves
  // the last report where it is; opened with the page, it leaves the present moment's report.
  showMoment(fields) {
    this.fill(fields);
    const result = this.checked(this.core.compute(fields));
    if (!result) {
      const now = this.core.compute(clockMoment()).value;
      if (!this.hasResult() && now) this.showResult(now, { present: true });
      return;
    }
    this.picker.value = isoMoment(result.moment);
    this.showResult(result, { present: false });
  }

  // The present moment, moving on with the clock. The fields follow it until the user types;
  // outside the range one sentence stands in place of the report, until the clock enters it.
  // Returns the function that stops it.
  showPresent() {
    this.edited = false;
    let outside = false;
    return startClock((moment) => {
      const { value: result, error } = this.core.compute(moment);
      if (error?.present) {
        // Said once, not again every minute to a screen reader.
        if (!outside) {
          this.hideResult();
          this.refusal.notice(error.present);
        }
        if (!this.edited) this.fill(moment);
        outside = true;
        return;
      }
      if (outside) this.refusal.clear();
      outside = false;
      if (error) {
        this.refusal.show(error);
        return;
      }
      this.showResult(result, { present: true });
      if (!this.edited) {
        this.fill(result.moment.map(String));
        this.picker.value = isoMoment(result.moment);
      }
    });
  }

  values() {
    return this.fields.map((field) => field.value);
  }

  // Fields filled by the page rather than typed.
  fill(moment) {
    this.fields.forEach((field, index) => {
      field.value = moment[index];
    });
    this.edited = false;
  }

  // A conversion is announced to screen readers; the present moment, which changes every minute
  // without being asked, is not.
  showResult({ moment, old: [year, month, day], old_date: date, report: text }, { present }) {
    this.find('#result').hidden = false;
    this.find('#caption').hidden = !present;
    const oldDate = this.find('#old-date');
    oldDate.setAttribute('aria-live', present ? 'off' : 'polite');
    oldDate.textContent = date;
    this.find('#result-month').href = viewAddress('month', year, month);
    this.find('#result-day').href = viewAddress('old', year, month, day);
    this.find('#result-keep').href = keptDaysAddress(isoMoment(moment));
    this.find('#report').textContent = text;
  }

  // Outside the range the present moment has no report, and the last one, of a moment past, goes.
  hideResult() {
    this.find('#result').hidden = true;
    this.find('#report').textContent = '';
  }

  hasResult() {
    return this.find('#report').textContent !== '';
  }
}
