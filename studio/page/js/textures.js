// The textures the server serves as PNG, decoded once, and looked up as the
// preview looks them up (docs/preview.md, "Which texture a name means").
export const HOST_STORE = 'host';

const lower = (name) => name.toLowerCase();

export class TextureLibrary {
  constructor() {
    this.textures = [];  // {dictionary, name, width, height, image}
    this.dictionaries = new Set();
  }

  static async load() {
    const library = new TextureLibrary();
    const list = await (await fetch('/api/textures')).json();
    await Promise.all(list.map(async (t) => {
      let image = null;
      if (t.pixels) {
        const query = `dictionary=${encodeURIComponent(t.dictionary)}&name=${encodeURIComponent(t.name)}`;
        const blob = await (await fetch(`/api/texture?${query}`)).blob();
        image = await createImageBitmap(blob, {premultiplyAlpha: 'premultiply'});
      }
      Object.assign(t, {image});
    }));
    library.textures = list;
    for (const t of list) if (t.dictionary !== HOST_STORE) library.dictionaries.add(t.dictionary);
    return library;
  }

  find(dictionary, name) {
    return this.textures.find((t) => t.dictionary === dictionary && lower(t.name) === lower(name)) || null;
  }

  findAny(name) {
    return this.textures.find((t) => lower(t.name) === lower(name)) || null;
  }
}

// Which texture a name means: the one HostTxd.FindTexture last looked up under
// that name, else the first of that name.
export class TextureResolver {
  constructor(library) {
    this.library = library;
    this.dictionaryOf = new Map();
  }

  noteLookup(dictionary, name) {
    if (typeof name !== 'string') return;
    const where = typeof dictionary === 'string' && this.library.dictionaries.has(dictionary)
      ? dictionary : HOST_STORE;
    this.dictionaryOf.set(lower(name), where);
  }

  resolve(label) {
    if (typeof label !== 'string' || label === '(unknown)' || label.endsWith(' (destroyed)')) return null;
    const noted = this.dictionaryOf.get(lower(label));
    if (noted !== undefined) {
      const found = this.library.find(noted, label);
      if (found) return found;
    }
    return this.library.findAny(label);
  }
}

// The texture's pixels times the colour, opacity included, made once per pair.
const tints = new Map();
export function tinted(texture, colour) {
  const [r, g, b, a] = colour;
  if (r === 255 && g === 255 && b === 255 && a === 255) return texture.image;
  const key = `${texture.dictionary}/${texture.name}/${colour.join(',')}`;
  let canvas = tints.get(key);
  if (canvas) return canvas;
  canvas = new OffscreenCanvas(texture.width, texture.height);
  const ctx = canvas.getContext('2d');
  ctx.drawImage(texture.image, 0, 0);
  const pixels = ctx.getImageData(0, 0, texture.width, texture.height);
  const d = pixels.data;
  for (let k = 0; k < d.length; k += 4) {
    d[k] = Math.round(d[k] * r / 255);
    d[k + 1] = Math.round(d[k + 1] * g / 255);
    d[k + 2] = Math.round(d[k + 2] * b / 255);
    d[k + 3] = Math.round(d[k + 3] * a / 255);
  }
  ctx.putImageData(pixels, 0, 0);
  tints.set(key, canvas);
  return canvas;
}
