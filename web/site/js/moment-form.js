// The five fields of the Gregorian moment, the calendar picker beside them and the form's
// buttons. As in the window program, Enter converts and Space moves on to the next field (in
// the minute field it converts).
import { fromIsoMoment, isoMoment } from './moment.js';

const fieldNames = ['day', 'month', 'year', 'hour', 'minute'];

export class MomentForm {
  constructor(form, { onConvert, onPick, onNow, onPrint }) {
    this.form = form;
    this.fields = fieldNames.map((name) => form.elements[name]);
    this.picker = form.querySelector('#picker');
    this.refusal = document.getElementById('refusal');
    this.edited = false;

    form.addEventListener('submit', (event) => {
      event.preventDefault();
      onConvert(this.values());
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
      onPick(moment);
    });
    form.querySelector('#now-button').addEventListener('click', onNow);
    form.querySelector('#print-button').addEventListener('click', onPrint);
  }

  values() {
    return this.fields.map((field) => field.value);
  }

  // Fields filled by the page rather than typed; the picker follows a checked moment.
  fill(moment) {
    this.fields.forEach((field, index) => {
      field.value = moment[index];
    });
    this.edited = false;
  }

  setPicker(moment) {
    this.picker.value = isoMoment(moment);
  }

  // A refusal names the field at fault; "moment" (outside the range) marks all five.
  showRefusal({ field, title, message }) {
    this.clearRefusal();
    const strong = document.createElement('strong');
    strong.textContent = title;
    this.refusal.replaceChildren(strong, ' ', message);
    this.refusal.hidden = false;
    const faulty = field === 'moment' ? this.fields : this.fields.filter((f) => f.name === field);
    for (const f of faulty) {
      f.setAttribute('aria-invalid', 'true');
      f.setAttribute('aria-describedby', 'refusal');
    }
    if (faulty.length === 1 && this.form.contains(document.activeElement)) {
      faulty[0].focus();
      faulty[0].select();
    }
  }

  // A sentence where refusals stand, with no field marked: the present moment lies outside the
  // range, and nothing typed is wrong.
  showNotice(text) {
    this.clearRefusal();
    this.refusal.textContent = text;
    this.refusal.hidden = false;
  }

  clearRefusal() {
    this.refusal.hidden = true;
    this.refusal.replaceChildren();
    for (const f of this.fields) {
      f.removeAttribute('aria-invalid');
      f.removeAttribute('aria-describedby');
    }
  }
}
