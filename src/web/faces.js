// The Japanese faces the page carries: their CSS family names, and their
// decoding when a window first asks for them.

// For each family of the core's that the page embeds, subset to the
// lesson's characters: the name the page gives its copy and its faces,
// { weight, woff2 (base64) }. The page's builder writes the module.
import { EMBEDDED_FACES } from './embedded_faces.js';

export { EMBEDDED_FACES };

// ＭＳ Ｐゴシック is also known by its English name on Windows.
const ALSO_KNOWN_AS = { 'ＭＳ Ｐゴシック': 'MS PGothic' };

// The CSS font-family list for a family list of the core's (fontFamilies()):
// the page's own copies of the faces it names first, so that the window is
// the same drawing on every device, whatever faces it has; then the core's
// list, for a glyph no copy holds. What --godo-font-family is set to.
export function cssFamilies(families) {
  const names = [...families.filter((f) => f in EMBEDDED_FACES).map((f) => EMBEDDED_FACES[f].name),
                 ...families.flatMap((f) => (f in ALSO_KNOWN_AS ? [f, ALSO_KNOWN_AS[f]] : [f]))];
  return names.map((f) => '"' + f + '"').join(', ') + ', sans-serif';
}

// The page's own faces that a CSS family list names, added to the document
// once each and decoded: the figure places its texts by the face's metrics
// and the list's field fits its text by its widths. Only those: each face
// parsed and decoded costs the first figure time.
const addedFaces = new Map(); // embedded family → its faces decoded
export function facesLoaded(cssFamily) {
  const names = cssFamily.split(',').map((f) => f.trim().replace(/^["']|["']$/g, ''));
  return Promise.all(Object.values(EMBEDDED_FACES).filter((f) => names.includes(f.name)).map((f) => {
    if (!addedFaces.has(f.name)) {
      addedFaces.set(f.name, Promise.all(f.faces.map((face) => {
        const font = new FontFace(f.name, 'url(data:font/woff2;base64,' + face.woff2 + ') format("woff2")',
                                  { weight: String(face.weight) });
        document.fonts.add(font);
        return font.load();
      })));
    }
    return addedFaces.get(f.name);
  }));
}
