// make bench: the studio's speed in the page. From an edit (MONEY_POS_TOP,
// through its input) to the new picture painted, over EDITS edits of the busy
// scene at 1920 x 1080; and scrubbing, every frame of the scene painted in
// turn through the frame slider.
//   node studio_bench.mjs ADDRESS [EDITS]
import {openStudio, until} from './browser.mjs';

const [address, count = '40'] = process.argv.slice(2);
const {page, close} = await openStudio(address);
try {
  await page.locator('details[data-group="money"] > summary').click();
  const input = page.locator('[data-key="MONEY_POS_TOP"] input');
  const times = [];
  const replays = [];
  for (let k = 0; k < Number(count); ++k) {
    await page.evaluate(() => { window.studio.editMs = undefined; });
    await input.fill(String(40 - (k % 2) * 10));
    await input.press('Tab');
      await until(() => page.evaluate(() => window.studio.editMs !== undefined), 'the edit to be painted');
    times.push(await page.evaluate(() => window.studio.editMs));
    replays.push(await page.evaluate(() => window.studio.lastReplayMs));
  }
  await page.locator('#undo').isEnabled();
  times.sort((a, b) => a - b);
  replays.sort((a, b) => a - b);
  const quantile = (list, q) => list[Math.min(list.length - 1, Math.ceil(q * list.length) - 1)];
  const at = (q) => quantile(times, q);
  console.log(`studio edit to picture (busy scene, 1920 x 1080, ${times.length} edits): ` +
    `median ${at(0.5).toFixed(0)} ms, p95 ${at(0.95).toFixed(0)} ms, max ${at(1).toFixed(0)} ms; ` +
    `of which the replay fetched and painted: median ${quantile(replays, 0.5).toFixed(0)} ms`);
  const scrub = await page.evaluate(() => {
    const slider = document.getElementById('frame');
    const frames = Number(slider.max);
    const started = performance.now();
    for (let round = 0; round < 3; ++round) {
      for (let f = 1; f <= frames; ++f) {
        slider.value = f;
        slider.dispatchEvent(new Event('input'));
      }
    }
    return {frames: 3 * frames, ms: performance.now() - started};
  });
  console.log(`studio scrubbing: ${scrub.frames} frames painted in ${scrub.ms.toFixed(0)} ms, ` +
    `${(1000 * scrub.frames / scrub.ms).toFixed(0)} frames a second`);
} finally {
  await close();
}
