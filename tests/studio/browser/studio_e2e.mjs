// The studio end to end in a real browser: an edit of MONEY_POS_TOP moves
// the money and changes that line alone on disk; undo gives back the bytes;
// a larger money is flagged as running into the ammunition under it; a
// click on the radar shows its keys; shrinking the weapon wheel moves its
// slots with the ring. Takes the README's picture on the way.
//   node studio_e2e.mjs ADDRESS SETTINGS_FOLDER SCREENSHOT.png
import fs from 'node:fs';
import path from 'node:path';
import {check, openStudio, until} from './browser.mjs';

const [address, folder, screenshot] = process.argv.slice(2);
const layout = path.join(folder, 'slatepane_VC.ini');
const original = fs.readFileSync(layout);
const {page, close} = await openStudio(address);
const studio = (expression) => page.evaluate(expression);

// Page coordinates of a point of the picture.
async function pagePoint(x, y) {
  const box = await page.locator('#overlay').boundingBox();
  const [width, height] = await studio(() => window.studio.replay.screen);
  return [box.x + (x * box.width) / width, box.y + (y * box.height) / height];
}

// Every edit, undo and replay the page started has finished.
const settled = () => until(() => studio(() => window.studio.pending === 0), 'the page to settle');

try {
  // MONEY_POS_TOP: the money moves, and only its line changes.
  const before = await studio(() => window.studio.boxes.money);
  await page.locator('details[data-group="money"] > summary').click();
  const input = page.locator('[data-key="MONEY_POS_TOP"] input');
  await input.fill('70');
  await input.press('Tab');
  await until(async () => (await studio(() => window.studio.boxes.money[1])) > before[1] + 30,
    'the money to move down');
  const edited = fs.readFileSync(layout, 'latin1').split('\n');
  const lines = original.toString('latin1').split('\n');
  check(edited.length === lines.length, 'the file keeps its lines');
  const changed = lines.flatMap((line, k) => (line === edited[k] ? [] : [k]));
  check(changed.length === 1 && /^MONEY_POS_TOP\s*=\s*70\r?$/.test(edited[changed[0]]),
    `exactly the MONEY_POS_TOP line changed: ${changed.map((k) => edited[k]).join(' | ')}`);

  await page.locator('#undo').click();
  await until(() => fs.readFileSync(layout).equals(original), 'undo to give back the original bytes');
  await settled();

  // A money twice as tall reaches down into the ammunition: flagged.
  const overlapping = () => studio(() => window.studio.flags.some((f) => /ammunition and the money/.test(f)));
  check(!(await overlapping()), 'no overlap flagged in the shipped layout');
  const scale = page.locator('[data-key="MONEY_SCALE"] input').nth(1);
  await scale.fill('1.9');
  await scale.press('Tab');
  await until(overlapping, 'the larger money to be flagged over the ammunition');
  await settled();
  await page.locator('#undo').click();
  await until(() => fs.readFileSync(layout).equals(original), 'undoing the larger money');
  await settled();

  const keyValue = (name) =>
    page.evaluate((n) => window.studio.settings.keys.find((k) => k.name === n).value, name);
  const originalRadarMap = await keyValue('INNER_RADAR_SCALE_A');

  // A click on the radar selects it and shows its keys.
  const radar = await studio(() => window.studio.boxes.radar);
  await page.mouse.click(...await pagePoint((radar[0] + radar[2]) / 2, (radar[1] + radar[3]) / 2));
  await until(() => studio(() => window.studio.selected === 'radar'), 'the radar to be selected');
  check(await page.locator('details[data-group="radar"] [data-key="INNER_RADAR_SCALE_A"]').isVisible(),
    'the radar\'s keys show');
  await page.screenshot({path: screenshot});

  // Growing the radar: map, frame and bars grow together around the frame's
  // lower left corner, which stays where it was.
  const grown = async (box) => {
    const before = await studio(() => window.studio.replays);
    await page.mouse.wheel(0, -120);
    await until(async () => (await studio(() => window.studio.replays)) > before, 'a replay after the resize');
    await settled();
    const after = await studio(() => window.studio.boxes.radar);
    return {ratio: (after[2] - after[0]) / (box[2] - box[0]), left: after[0] - box[0], bottom: after[3] - box[3],
      height: (after[3] - after[1]) / (box[3] - box[1])};
  };
  const radarGrew = await grown(radar);
  check(Math.abs(radarGrew.ratio - 1.1) < 0.03 && Math.abs(radarGrew.height - 1.1) < 0.03,
    `the radar grows by 1.1 both ways: ${JSON.stringify(radarGrew)}`);
  check(Math.abs(radarGrew.left) <= 2 && Math.abs(radarGrew.bottom) <= 2,
    `the radar's lower left corner stays: ${JSON.stringify(radarGrew)}`);
  check((await keyValue('INNER_RADAR_SCALE_A')) !== originalRadarMap, 'the map\'s keys follow');
  await page.locator('#undo').click();
  await until(() => fs.readFileSync(layout).equals(original), 'undoing the larger radar');
  await settled();

  // Shrinking the weapon wheel: the ring's divisor grows and every slot pair
  // shrinks by the same factor, so the icons stay on the ring.
  const wheel = await studio(() => window.studio.boxes['weapon wheel']);
  const slot = (await keyValue('SLOT3POS_LT')).split(' ').map(Number);
  const divisor = Number(await keyValue('WEAP_WHEEL_SCALE_MULTIPLIER'));
  const replays = await studio(() => window.studio.replays);
  await page.mouse.click(...await pagePoint(wheel[0] + (wheel[2] - wheel[0]) * 0.06, (wheel[1] + wheel[3]) / 2));
  await until(() => studio(() => window.studio.selected === 'weapon wheel'), 'the wheel to be selected');
  await page.mouse.wheel(0, 120);
  await until(async () => (await studio(() => window.studio.replays)) > replays, 'a replay after the resize');
  await settled();
  const shrunk = await studio(() => window.studio.boxes['weapon wheel']);
  const ratio = (shrunk[2] - shrunk[0]) / (wheel[2] - wheel[0]);
  check(Math.abs(ratio - 1 / 1.1) < 0.03, `the wheel shrinks by 1/1.1, not ${ratio}`);
  check(Math.abs(Number(await keyValue('WEAP_WHEEL_SCALE_MULTIPLIER')) - divisor * 1.1) < 0.01,
    'the divisor grows by 1.1');
  const followed = (await keyValue('SLOT3POS_LT')).split(' ').map(Number);
  check(followed.every((v, k) => Math.abs(v - slot[k] / 1.1) < 0.01), `slot 3 follows: ${followed}`);
  await page.locator('#undo').click();
  await until(() => fs.readFileSync(layout).equals(original), 'undoing the resize');
  console.log('studio end to end: passed');
} finally {
  await close();
}
