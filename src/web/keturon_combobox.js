// keturon: an editable combo box on the WAI-ARIA combobox pattern, an
// <input role="combobox">, a button that opens the list, and a listbox popup.
// As on the desktop, only a choice is an event of the lesson: a click on an
// entry of the open list, Enter on the highlighted entry, or Up/Down in the
// closed field, which step to the previous or next entry at once (nothing at
// the ends). Alt+Down opens the list. Typing, Enter in the closed field and
// leaving the field choose nothing, and typing never adds an entry.
// By touch, a tap on the field or on its button opens the list with entries
// a finger can hit, and raises no on-screen keyboard: typing changes nothing
// in the lesson, so a tablet has no use for one.

// The most the letters of a text are drawn closer to fit: an eighth of a
// letter's height each, still easy to read.
const MAX_SQUEEZE = 0.125;
// Where that is not enough (a wider face, the UD one), the letters are drawn
// smaller too, down to this part of their size: as much narrower as the
// desktop's field condenses its font at the most.
const MIN_SIZE = 0.8;

export class KeturonCombobox {
  // box: the element to build in; entries: the list's texts; labelId: the
  // label that names it; onChoose: called after a chosen entry is in the field;
  // ruby: the page's RubyTexts.
  constructor(box, { id, entries, labelId, openLabel, onChoose, ruby }) {
    this.entries = entries;
    this.ruby = ruby;
    this.onChoose = onChoose;
    this.current = -1; // the entry the field last showed, as a choice or set
    this.active = -1;  // the highlighted entry while the list is open
    this.touch = false; // whether the last press on the box was a finger's or a pen's

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
      ruby.set(li, text);
      // The field keeps the focus while the pointer is in the list.
      li.addEventListener('mousedown', (e) => e.preventDefault());
      li.addEventListener('click', () => this.choose(i));
      li.addEventListener('mousemove', () => this.highlight(i));
      this.list.appendChild(li);
      return li;
    });

    // With ruby on, the field's text is shown over the input with its
    // readings, the input's own letters left clear: an input holds no ruby.
    this.shown = document.createElement('div');
    this.shown.className = 'field-ruby';
    this.shown.setAttribute('aria-hidden', 'true');
    this.shown.hidden = true;

    box.append(this.input, this.shown, this.button, this.list);

    this.input.addEventListener('keydown', (e) => this.key(e));
    this.input.addEventListener('blur', () => this.close());
    this.input.addEventListener('input', () => this.fit());
    // Which kind of pointer presses decides the rest. A finger's press on
    // the field asks for no keyboard (inputmode none); a mouse's gives the
    // field back its usual one.
    box.addEventListener('pointerdown', (e) => {
      this.touch = e.pointerType === 'touch' || e.pointerType === 'pen';
      if (this.touch)
        this.input.inputMode = 'none';
      else
        this.input.removeAttribute('inputmode');
    });
    this.input.addEventListener('click', () => {
      if (this.touch)
        this.toggle();
    });
    this.button.addEventListener('mousedown', (e) => e.preventDefault());
    this.button.addEventListener('click', () => {
      this.toggle();
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
    this.fit();
  }

  // A text a little wider than the field is drawn with its letters closer
  // together, so that it shows whole (「∠APM＝∠BQM」 in a proportional
  // gothic), and smaller as well where that is not enough; the value itself
  // is untouched. Spacing and size in em keep it right at every scale. A
  // text far too wide scrolls, as a field does.
  fit() {
    this.fitLetters();
    const on = this.ruby.on && this.ruby.hasReadings(this.input.value);
    this.input.classList.toggle('under-ruby', on);
    this.shown.hidden = !on;
    if (on) {
      this.ruby.set(this.shown, this.input.value);
      this.shown.style.letterSpacing = this.input.style.letterSpacing;
    }
  }

  fitLetters() {
    const field = this.input;
    field.style.letterSpacing = '';
    field.style.fontSize = '';
    const style = getComputedStyle(field);
    const size = parseFloat(style.fontSize);
    const room = field.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const letters = [...field.value].length;
    if (!(room > 0) || !(size > 0) || letters < 2)
      return; // not shown yet: start() fits it again
    if (!this.measure)
      this.measure = document.createElement('canvas').getContext('2d');
    this.measure.font = style.fontWeight + ' ' + style.fontSize + ' ' + style.fontFamily;
    const width = this.measure.measureText(field.value).width;
    if (width <= room)
      return;
    // A hair more than the overshoot: the last glyph's edge must not touch.
    const hair = size * 0.05;
    const squeeze = (width - room + hair) / letters / size;
    if (squeeze <= MAX_SQUEEZE) {
      field.style.letterSpacing = -squeeze + 'em';
      return;
    }
    // The widths and the spacing (in em of the new size) both shrink with
    // the size.
    const smaller = room / (width - letters * MAX_SQUEEZE * size + hair);
    if (smaller >= MIN_SIZE) {
      field.style.fontSize = smaller + 'em';
      field.style.letterSpacing = -MAX_SQUEEZE + 'em';
    }
  }

  toggle() {
    if (this.isOpen())
      this.close();
    else
      this.open();
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
    this.list.classList.toggle('touch', this.touch);
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
    this.fit();
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
