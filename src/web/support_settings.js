// The support settings on the page: the colour scheme and the font that a
// pupil or a teacher chose, from the menu or by a link
// (godojoken.html#colors=cud&font=ud), kept on the device in localStorage,
// the one thing the page stores. A link's settings apply and are kept; what
// the page does not know it ignores, without a word. A setting that nobody
// chose follows the device: a screen in a contrast theme, or one that asks
// for more contrast, gets the core's high-contrast scheme. Every name,
// default and colour comes from the core's table.

const STORAGE_KEY = 'godojoken-support';

function storedText() {
  try {
    return localStorage.getItem(STORAGE_KEY) || '';
  } catch (e) {
    return ''; // storage refused (a private window, a policy): nothing kept
  }
}

function linkText() {
  try {
    return decodeURIComponent(location.hash.slice(1));
  } catch (e) {
    return '';
  }
}

export class PageSupport {
  // core: the module; onChange(): called after a setting has changed what
  // the page shows.
  constructor(core, onChange) {
    this.core = core;
    this.table = JSON.parse(core.support());
    this.onChange = onChange;
    this.chosen = this.given(storedText());
    this.takeLink();
    // The device's own wishes, followed while nobody chose a scheme.
    this.device = ['(forced-colors: active)', '(prefers-contrast: more)'].map((q) => matchMedia(q));
    for (const m of this.device)
      m.addEventListener('change', () => this.onChange());
    window.addEventListener('hashchange', () => {
      if (this.takeLink())
        this.onChange();
    });
  }

  // What a text gives, as the core reads it; nothing asked of the core where
  // there is nothing to read, as on a first start.
  given(text) {
    return text ? this.core.givenSettings(text) : {};
  }

  // The settings the link gives, kept; true when it gave any.
  takeLink() {
    const given = this.given(linkText());
    if (Object.keys(given).length === 0)
      return false;
    Object.assign(this.chosen, given);
    this.store();
    // Taken: a reload keeps what the menu chooses from now on, not the link's.
    try {
      history.replaceState(history.state, '', location.href.split('#')[0]);
    } catch (e) {
      // A page whose address may not change keeps the link's settings on reload.
    }
    return true;
  }

  store() {
    const names = this.table.names;
    const text = Object.values(names).filter((n) => n in this.chosen)
      .map((n) => n + '=' + this.chosen[n]).join('&');
    try {
      localStorage.setItem(STORAGE_KEY, text);
    } catch (e) {
      // Not kept on this device; it still applies until the page is closed.
    }
  }

  value(name) {
    if (name in this.chosen)
      return this.chosen[name];
    if (name === this.table.names.colours && this.device.some((m) => m.matches))
      return this.table.highContrast;
    return this.table.defaults[name];
  }

  choose(name, value) {
    if (Object.keys(this.given(name + '=' + value)).length === 0)
      return;
    this.chosen[name] = value;
    this.store();
    this.onChange();
  }

  scheme() {
    const name = this.value(this.table.names.colours);
    return this.table.schemes.find((s) => s.name === name);
  }

  font() {
    const name = this.value(this.table.names.font);
    return this.table.fonts.find((f) => f.name === name);
  }

  // The window's colours in the scheme, as custom properties of the
  // elements that show them.
  applyColours(elements) {
    const s = this.scheme();
    const css = (c) => 'rgb(' + c.join(', ') + ')';
    const properties = {
      '--window': s.window, '--label-text': s.labelText, '--frame-shadow': s.frameShadow,
      '--frame-light': s.frameLight, '--focus': s.focus, '--picture': s.picture,
    };
    for (const el of elements)
      for (const [p, v] of Object.entries(properties)) {
        // A colour the scheme leaves to the page (the standard frame) is
        // the style's own.
        if (v)
          el.style.setProperty(p, css(v));
        else
          el.style.removeProperty(p);
      }
  }
}
