// A refused form of the calendar's views: krugolet-cli's message under it, the field at fault
// marked for the eye and for screen readers, and the focus put back into it when it was in the
// form.

export function showRefusal(form, box, { field, message }) {
  clearRefusal(form, box);
  box.textContent = message;
  box.hidden = false;
  const input = form.elements[field];
  if (!input) return;
  input.setAttribute('aria-invalid', 'true');
  input.setAttribute('aria-describedby', box.id);
  if (form.contains(document.activeElement)) {
    input.focus();
    input.select?.();
  }
}

export function clearRefusal(form, box) {
  box.hidden = true;
  box.textContent = '';
  for (const input of form.querySelectorAll('[aria-invalid]')) {
    input.removeAttribute('aria-invalid');
    input.removeAttribute('aria-describedby');
  }
}

// What a view asked for today says when today lies outside the range: the sentence where its
// refusals stand, no field marked, and the result it showed before hidden.
export function showNotice(section, text) {
  const box = section.querySelector('.refusal');
  clearRefusal(section.querySelector('form'), box);
  box.textContent = text;
  box.hidden = false;
  for (const part of section.querySelectorAll('.view-result')) part.hidden = true;
}
