// The page's painter against the Cairo preview: the busy scene at each
// shape, painted by both without a backdrop, composited over one grey and
// compared pixel by pixel.
//   node painter_parity.mjs ADDRESS TOLERANCE MIN_SHARE MIN_REGION_SHARE MIN_TEXT_SHARE WxH=cairo.png ...
// Passes when, at every shape, at least MIN_SHARE of the pixels differ by at
// most TOLERANCE in every channel; so do at least MIN_REGION_SHARE of those
// in each element's rectangle and in each drawn sprite's or mark's, and
// MIN_TEXT_SHARE in each print's: something drawn wrong or not at all is a
// small share of the screen, but most of its own rectangle. Text has its own
// bound, as its glyph edges (Skia's against FreeType's coverage) are a large
// share of a small print's rectangle.
import fs from 'node:fs';
import {check, openStudio, until} from './browser.mjs';

const [address, tolerance, minShare, minRegionShare, minTextShare, ...shapes] = process.argv.slice(2);
const {page, close} = await openStudio(address);

// Runs in the page: both pictures over grey, and how far apart they are.
async function compare({reference, tolerance: limit}) {
  const canvas = document.getElementById('canvas');
  const {width, height} = canvas;
  const blob = await (await fetch(`data:image/png;base64,${reference}`)).blob();
  const cairo = await createImageBitmap(blob);
  const pixels = (source) => {
    const c = new OffscreenCanvas(width, height);
    const ctx = c.getContext('2d');
    ctx.fillStyle = '#808080';
    ctx.fillRect(0, 0, width, height);
    ctx.drawImage(source, 0, 0);
    return ctx.getImageData(0, 0, width, height).data;
  };
  const a = pixels(canvas), b = pixels(cairo);
  const close = new Uint8Array(width * height);
  let within = 0, total = 0;
  for (let k = 0; k < a.length; k += 4) {
    const d = Math.max(Math.abs(a[k] - b[k]), Math.abs(a[k + 1] - b[k + 1]), Math.abs(a[k + 2] - b[k + 2]));
    total += d;
    close[k / 4] = d <= limit ? 1 : 0;
    within += close[k / 4];
  }
  const elements = {};
  const regions = Object.entries(window.studio.boxes);
  // Each drawn call's own rectangle too, so that a small mark missing from a
  // large element is seen; rectangles under 4 pixels a side are edges alone.
  for (const {index, bounds} of window.studio.drawn) {
    if (bounds[2] - bounds[0] >= 4 && bounds[3] - bounds[1] >= 4) {
      regions.push([`call ${index} ${window.studio.replay.calls[index][1]}`, bounds]);
    }
  }
  for (const [group, box] of regions) {
    const [x0, y0] = [Math.max(0, Math.floor(box[0])), Math.max(0, Math.floor(box[1]))];
    const [x1, y1] = [Math.min(width, Math.ceil(box[2])), Math.min(height, Math.ceil(box[3]))];
    let inside = 0, good = 0;
    for (let y = y0; y < y1; ++y) for (let x = x0; x < x1; ++x, ++inside) good += close[y * width + x];
    if (inside > 0) elements[group] = good / inside;
  }
  const count = a.length / 4;
  return {share: within / count, mean: total / count, size: [cairo.width, cairo.height], elements};
}

let failed = false;
try {
  for (const shape of shapes) {
    const [screen, file] = shape.split('=');
    await page.selectOption('#shape', screen);
    await until(() => page.evaluate((s) => window.studio.replay.screen.join('x') === s &&
      window.studio.pending === 0, screen), `a replay at ${screen}`);
    const reference = fs.readFileSync(file).toString('base64');
    const result = await page.evaluate(compare, {reference, tolerance: Number(tolerance)});
    check(result.size.join('x') === screen, `the reference is ${result.size.join('x')}`);
    const entries = Object.entries(result.elements).sort((x, y) => x[1] - y[1]);
    const isText = ([name]) => / HostText\.Print/.test(name);
    const [text, textShare] = entries.find(isText) ?? ['none', 1];
    const [region, regionShare] = entries.find((e) => !isText(e)) ?? ['none', 1];
    const ok = result.share >= Number(minShare) && regionShare >= Number(minRegionShare) &&
      textShare >= Number(minTextShare);
    failed ||= !ok;
    const percent = (x) => `${(100 * x).toFixed(2)}%`;
    console.log(`painter parity ${screen}: ${percent(result.share)} of pixels within ${tolerance} ` +
      `per channel (need ${percent(minShare)}); least alike: ${region} ${percent(regionShare)} ` +
      `(need ${percent(minRegionShare)}), ${text} ${percent(textShare)} ` +
      `(need ${percent(minTextShare)}); mean difference ${result.mean.toFixed(2)}: ${ok ? 'ok' : 'FAILED'}`);
  }
} finally {
  await close();
}
if (failed) process.exit(1);
