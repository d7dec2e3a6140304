// The figure out of the lesson, for a worksheet or a slide: saved as a file
// or copied, as it is drawn now in the chosen scheme and font. The SVG is
// the core's own document; the PNG is that document rasterised at the
// core's size. No network request: the file is downloaded from a Blob.

import { EMBEDDED_FACES } from './faces.js';

export class FigureExport {
  // lesson: the LessonPage; table: the core's support table.
  constructor(lesson, table) {
    this.lesson = lesson;
    this.table = table;
    this.figure = table.figure;
    document.addEventListener('keydown', (e) => this.key(e));
  }

  // Ctrl+S saves (never the browser's own save of the page); Ctrl+C copies,
  // except where a field or a selection has text of its own to copy.
  key(e) {
    if (!(e.ctrlKey || e.metaKey) || e.altKey || e.shiftKey || !this.lesson.face)
      return;
    const key = e.key.toLowerCase();
    const busy = document.querySelector('dialog[open]');
    if (key === 's') {
      e.preventDefault();
      if (!busy)
        this.save('svg');
    } else if (key === 'c' && !busy && !(e.target instanceof HTMLInputElement)
               && !String(window.getSelection())) {
      e.preventDefault();
      this.copy();
    }
  }

  // The core's document of the figure, its texts placed by the baseline of
  // the face the window draws in, as the figure on screen places them.
  svg() {
    const family = getComputedStyle(this.lesson.root).fontFamily;
    const points = 75; // 100 CSS pixels
    const ems = this.lesson.figure.ascent(family, points) / (this.lesson.core.opFormat().twipsPerPoint * points);
    return this.lesson.face.figureSvg(this.lesson.support.font().name, ems);
  }

  // An SVG drawn as an image sees none of the document's fonts: the page's
  // own copies of the chosen faces go into it, under the core's names.
  withFaces(svg) {
    const rules = this.lesson.support.font().families.filter((f) => f in EMBEDDED_FACES).flatMap((f) =>
      EMBEDDED_FACES[f].faces.map((face) => '@font-face{font-family:"' + f + '";font-weight:' + face.weight
        + ';src:url(data:font/woff2;base64,' + face.woff2 + ') format("woff2")}'));
    // The closing tag is joined at run time, so that no minifier writes it
    // whole into the page's own <script>.
    const close = ['<', 'style>'].join('/');
    return svg.replace(/<svg [^>]*>/, (open) => open + '<style>' + rules.join('') + close);
  }

  // A promise of the PNG of the figure now, at the core's pixel size.
  png() {
    const [width, height] = this.figure.pixels;
    const url = URL.createObjectURL(new Blob([this.withFaces(this.svg())], { type: this.figure.svg.type }));
    const image = new Image();
    image.src = url;
    return image.decode().then(() => new Promise((resolve, reject) => {
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.getContext('2d').drawImage(image, 0, 0, width, height);
      canvas.toBlob((b) => (b ? resolve(b) : reject(new Error('no PNG'))), this.figure.png.type);
    })).finally(() => URL.revokeObjectURL(url));
  }

  // format: 'svg' or 'png'.
  save(format) {
    const f = this.figure[format];
    const made = format === 'png' ? this.png() : Promise.resolve(new Blob([this.svg()], { type: f.type }));
    return made.then((blob) => {
      const a = document.createElement('a');
      a.href = URL.createObjectURL(blob);
      a.download = this.figure.name + '.' + f.extension;
      a.click();
      // Some engines read the Blob after the click returns.
      setTimeout(() => URL.revokeObjectURL(a.href), 30000);
    });
  }

  // The PNG on the clipboard, and the SVG beside it where the engine takes
  // one; where it refuses, the lesson's message says so.
  copy() {
    const refused = () => this.lesson.showMessage(this.table.texts.noClipboard);
    if (!window.isSecureContext || !navigator.clipboard || !navigator.clipboard.write
        || typeof ClipboardItem === 'undefined')
      return Promise.resolve(refused());
    const svgType = this.figure.svg.type;
    const items = { [this.figure.png.type]: this.png() };
    if (ClipboardItem.supports && ClipboardItem.supports(svgType))
      items[svgType] = new Blob([this.svg()], { type: svgType });
    return navigator.clipboard.write([new ClipboardItem(items)]).catch(refused);
  }

  // The support menu's entries, after its settings.
  actions() {
    const t = this.table.texts;
    return [[t.copy, () => this.copy()], [t.save, () => this.save('svg')], [t.savePng, () => this.save('png')]];
  }
}
