// The one way every form of the page shows a refusal: the message where the form's refusals
// stand, after its title where the form shows titles, as the window program's message box does;
// the fields at fault marked for the eye and for screen readers, and the focus put back into the
// one at fault when it was in the form.
export class RefusalBox {
  // `inputsOf(field)`: the inputs a refusal of the field marks; by default the form's input of
  // that name.
  constructor(form, box, { titled = false, inputsOf = (field) => [form.elements[field]] } = {}) {
    this.form = form;
    this.box = box;
    this.titled = titled;
    this.inputsOf = inputsOf;
  }

  // A fault of the core is not the form's: it is said once, above every view.
  show({ field, title, message, fault }) {
    this.clear();
    if (fault) return;
    const heading = document.createElement('strong');
    heading.textContent = title;
    this.box.replaceChildren(...(this.titled ? [heading, ' '] : []), message);
    this.box.hidden = false;
    const faulty = this.inputsOf(field).filter(Boolean);
    for (const input of faulty) {
      input.setAttribute('aria-invalid', 'true');
      input.setAttribute('aria-describedby', this.box.id);
    }
    if (faulty.length === 1 && this.form.contains(document.activeElement)) {
      faulty[0].focus();
      faulty[0].select?.();
    }
  }

  // A sentence where refusals stand, with no field marked: what the page says when today lies
  // outside the range, where nothing typed is wrong.
  notice(text) {
    this.clear();
    this.box.textContent = text;
    this.box.hidden = false;
  }

  clear() {
    this.box.hidden = true;
    this.box.replaceChildren();
    for (const input of this.form.querySelectorAll('[aria-invalid]')) {
      input.removeAttribute('aria-invalid');
      input.removeAttribute('aria-describedby');
    }
  }
}

// What a view asked for today says when today lies outside the range: the sentence where its
// refusals stand, and the result it showed before hidden.
export function showNotice(section, text) {
  new RefusalBox(section.querySelector('form'), section.querySelector('.refusal')).notice(text);
  for (const part of section.querySelectorAll('.view-result')) part.hidden = true;
}
