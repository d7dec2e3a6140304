// keturon: an editable combo box on the WAI-ARIA combobox pattern, an
// <input role="combobox">, a button that opens the list, and a listbox popup.
// As on the desktop, only a choice is an event of the lesson: a click on an
// entry of the open list, Enter on the highlighted entry, or Up/Down in the
// closed field, which step to the previous or next entry at once (nothing at
// the ends). Alt+Down opens the list. Typing, Enter in the closed field and
// leaving the field choose nothing, and typing never adds an entry.

class KeturonCombobox {
  // box: the element to build in; entries: the list's texts; labelId: the
  // label that names it; onChoose: called after a chosen entry is in the field.
  constructor(box, { id, entries, labelId, openLabel, onChoose }) {
    this.entries = entries;
    this.onChoose = onChoose;
    this.current = -1; // the entry the field last showed, as a choice or set
    this.active = -1;  // the highlighted entry while the list is open

    box.classList.add('keturon');
    const listId = id + '-list';
    this.input = document.createElement('input');
    this.input.type = 'text';
    this.input.id = id + '-field';
    this.input.setAttribute('role', 'combobox');
    this.input.setAttribute('aria-autocomplete', 'none');
    this.input.setAttribute('aria-expanded', 'false');
    this.input.setAttribute('aria-controls', listId);
    this.input.setAttribute('aria-labelledby', labelId);
    this.input.autocomplete = 'off';
    this.input.spellcheck = false;

    this.button = document.createElement('button');
    this.button.type = 'button';
    this.button.className = 'open';
    this.button.tabIndex = -1;
    this.button.setAttribute('aria-label', openLabel);
    this.button.setAttribute('aria-controls', listId);
    this.button.setAttribute('aria-expanded', 'false');

    this.list = document.createElement('ul');
    this.list.id = listId;
    this.list.setAttribute('role', 'listbox');
    this.list.setAttribute('aria-labelledby', labelId);
    this.list.hidden = true;
    this.options = entries.map((text, i) => {
      const li = document.createElement('li');
      li.id = id + '-entry-' + i;
      li.setAttribute('role', 'option');
      li.setAttribute('aria-selected', 'false');
      li.textContent = text;
      // The field keeps the focus while the pointer is in the list.
      li.addEventListener('mousedown', (e) => e.preventDefault());
      li.addEventListener('click', () => this.choose(i));
      li.addEventListener('mousemove', () => this.highlight(i));
      this.list.appendChild(li);
      return li;
    });

    box.append(this.input, this.button, this.list);

    this.input.addEventListener('keydown', (e) => this.key(e));
    this.input.addEventListener('blur', () => this.close());
    this.button.addEventListener('mousedown', (e) => e.preventDefault());
    this.button.addEventListener('click', () => {
      if (this.isOpen())
        this.close();
      else
        this.open();
      this.input.focus();
    });
  }

  get text() { return this.input.value; }

  // Set by the lesson: not a choice. An entry's text makes it the current one.
  set text(t) {
    this.input.value = t;
    const i = this.entries.indexOf(t);
    if (i >= 0)
      this.current = i;
  }

  setEnabled(on) {
    if (!on)
      this.close();
    this.input.disabled = !on;
    this.button.disabled = !on;
  }

  isOpen() { return !this.list.hidden; }

  open() {
    if (this.input.disabled || this.isOpen())
      return;
    this.list.hidden = false;
    this.input.setAttribute('aria-expanded', 'true');
    this.button.setAttribute('aria-expanded', 'true');
    this.highlight(this.current);
  }

  close() {
    if (!this.isOpen())
      return;
    this.list.hidden = true;
    this.input.setAttribute('aria-expanded', 'false');
    this.button.setAttribute('aria-expanded', 'false');
    this.input.removeAttribute('aria-activedescendant');
    this.highlight(-1);
  }

  highlight(i) {
    if (this.active >= 0) {
      this.options[this.active].classList.remove('active');
      this.options[this.active].setAttribute('aria-selected', 'false');
    }
    this.active = i;
    if (i >= 0) {
      this.options[i].classList.add('active');
      this.options[i].setAttribute('aria-selected', 'true');
      this.input.setAttribute('aria-activedescendant', this.options[i].id);
    }
  }

  choose(i) {
    this.close();
    this.input.value = this.entries[i];
    this.current = i;
    this.onChoose();
  }

  key(e) {
    const down = e.key === 'ArrowDown';
    const up = e.key === 'ArrowUp';
    if (e.altKey && (down || up)) {
      e.preventDefault();
      if (down)
        this.open();
      else
        this.close();
      return;
    }
    if (this.isOpen()) {
      if (down || up) {
        e.preventDefault();
        const next = this.active + (down ? 1 : -1);
        if (next >= 0 && next < this.entries.length)
          this.highlight(next);
      } else if (e.key === 'Enter') {
        e.preventDefault();
        if (this.active >= 0)
          this.choose(this.active);
      } else if (e.key === 'Escape') {
        e.preventDefault();
        this.close();
      }
      return;
    }
    if (down || up) {
      e.preventDefault();
      const next = this.current + (down ? 1 : -1);
      if (next >= 0 && next < this.entries.length)
        this.choose(next);
    } else if (e.key === 'Enter') {
      e.preventDefault(); // no choice, and no form to submit
    }
  }
}
