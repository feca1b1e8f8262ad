// The web page in headless Chromium, opened from disk and driven with real
// pointer events over the DevTools protocol: its report, its canvas and its
// handling of drags, right-button drags and keys.
//   QUORVEL_PAGE            the one-file page (build-web/quorvel.html)
//   QUORVEL_EXPECTED_BLOCK  the native tool that prints the block the
//                           program's analysis writes for a curve
//   QUORVEL_WEB_SCREENSHOT  where to save a screenshot of the page (optional)
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const PAGE = process.env.QUORVEL_PAGE;
const EXPECTED_BLOCK = process.env.QUORVEL_EXPECTED_BLOCK;
const DEFAULT_CURVE = [50, 100, 200, 300, 400, 300, 550, 100];

let browser;

before(async () => {
  assert.ok(PAGE && EXPECTED_BLOCK, "QUORVEL_PAGE and QUORVEL_EXPECTED_BLOCK must be set");
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
});

after(async () => {
  await browser?.close();
});

// The block the desktop program's analysis writes for these points.
function expectedBlock(points) {
  const out = execFileSync(EXPECTED_BLOCK, points.map(String), { encoding: "utf8" });
  return out.split("\n").filter((l) => l !== "").map((l) => {
    const tab = l.indexOf("\t");
    return { attribute: Number(l.slice(0, tab)), text: l.slice(tab + 1) };
  });
}

// The report panel as lines with their attributes, grouped into blocks: a
// block ends with its two empty lines, as on the console.
async function reportBlocks(page) {
  const lines = await page.$$eval("#report span span", (spans) =>
    spans.map((s) => ({ attribute: Number(s.className.slice(1)), text: s.textContent })));
  const blocks = [];
  let current = [];
  let empties = 0;
  for (const l of lines) {
    assert.ok(l.text.endsWith("\n"), "a report line ends with its newline");
    const text = l.text.slice(0, -1);
    if (text === "") {
      if (++empties === 2) {
        blocks.push(current);
        current = [];
        empties = 0;
      }
    } else {
      empties = 0;
      current.push({ attribute: l.attribute, text });
    }
  }
  return blocks;
}

const withoutPick = (b) => (b.length && b[0].text.startsWith("mouse location:") ? b.slice(1) : b);

// Waits until the report has more than `count` blocks and has not grown
// for a while; returns all blocks.
async function settle(page, count) {
  let blocks = [];
  let last = -1;
  let stableSince = Date.now();
  const end = Date.now() + 10000;
  while (Date.now() < end) {
    const text = await page.$eval("#report", (e) => e.textContent.length);
    if (text !== last) {
      last = text;
      stableSince = Date.now();
    }
    blocks = await reportBlocks(page);
    if (blocks.length > count && Date.now() - stableSince > 300) {
      return blocks;
    }
    await new Promise((r) => setTimeout(r, 50));
  }
  return blocks;
}

async function openPage() {
  const page = await browser.newPage({ viewport: { width: 1400, height: 700 } });
  const consoleLines = [];
  page.on("console", (m) => consoleLines.push(m.text()));
  await page.goto(pathToFileURL(PAGE).href);
  const box = await page.locator("#canvas").boundingBox();
  // Pointer at canvas pixel (x, y), y from the top, as GLUT counts it.
  const at = (x, y) => [box.x + x + 0.5, box.y + y + 0.5];
  await settle(page, 0);
  return { page, at, consoleLines };
}

// Canvas pixel at drawing coordinates (y up from the lower left corner).
async function pixel(page, x, y) {
  return page.$eval("#canvas", (c, p) => Array.from(
    c.getContext("2d").getImageData(p[0], 479 - p[1], 1, 1).data.slice(0, 3)), [x, y]);
}

// Whether some pixel within radius r of (x, y) satisfies pred.
async function near(page, x, y, r, pred) {
  for (let dy = -r; dy <= r; ++dy) {
    for (let dx = -r; dx <= r; ++dx) {
      if (pred(await pixel(page, x + dx, y + dy))) {
        return true;
      }
    }
  }
  return false;
}

test("the first block, its bytes, its colours and the browser console", async () => {
  const { page, consoleLines } = await openPage();
  const blocks = await reportBlocks(page);
  assert.ok(blocks.length >= 1);
  const want = expectedBlock(DEFAULT_CURVE);
  assert.deepEqual(want.map((l) => l.attribute), [8, 4]);
  for (const b of blocks) {
    assert.deepEqual(b, want);
  }
  // The panel's text is the report's bytes.
  const text = await page.$eval("#report", (e) => e.textContent);
  assert.equal(text.slice(0, text.indexOf("\n\n\n") + 3),
               want.map((l) => l.text + "\n").join("") + "\n\n");
  // Each attribute's colour, on black.
  const colours = await page.$$eval("#report span span", (spans) => Object.fromEntries(
    spans.map((s) => [s.className, getComputedStyle(s).color])));
  assert.equal(colours.a8, "rgb(118, 118, 118)");
  assert.equal(colours.a4, "rgb(197, 15, 31)");
  assert.equal(colours.a7, "rgb(204, 204, 204)");
  assert.equal(await page.$eval("#report", (e) => getComputedStyle(e).backgroundColor),
               "rgb(0, 0, 0)");
  // The same lines reach the browser's console.
  assert.deepEqual(consoleLines.slice(0, 4), [...want.map((l) => l.text), "", ""]);
  assert.equal(await page.$$eval("canvas", (c) => c.length), 1);
  await page.close();
});

test("the canvas shows the default curve as the desktop window does", async () => {
  const { page } = await openPage();
  const eq = (a, b) => a[0] === b[0] && a[1] === b[1] && a[2] === b[2];
  const white = [255, 255, 255];
  const blue = [0, 0, 255];
  assert.deepEqual(await pixel(page, 620, 20), white);
  assert.deepEqual(await pixel(page, 320, 400), white);
  // 10 x 10 blue squares centred on the control points.
  for (const [x, y] of [[50, 100], [200, 300], [400, 300], [550, 100]]) {
    assert.deepEqual(await pixel(page, x - 5, y - 5), blue);
    assert.deepEqual(await pixel(page, x + 4, y + 4), blue);
    assert.deepEqual(await pixel(page, x - 7, y - 7), white);
  }
  // The red polygon through its legs' midpoints (antialiased edges), the
  // black curve through B(0.25) = (170.3, 212.5), and the red curvature
  // marker over the black axis marker at (300, 250).
  const reddish = (p) => p[0] > 150 && p[1] < 120 && p[2] < 120;
  const dark = (p) => p[0] < 100 && p[1] < 100 && p[2] < 100;
  assert.ok(await near(page, 125, 200, 1, reddish));
  assert.ok(await near(page, 300, 300, 1, reddish));
  assert.ok(await near(page, 475, 200, 1, reddish));
  assert.ok(await near(page, 170, 212, 1, dark));
  assert.deepEqual(await pixel(page, 300, 250), [255, 0, 0]);
  assert.deepEqual(await pixel(page, 302, 252), [255, 0, 0]);
  // Captions in the top left corner.
  const caption = await page.$eval("#canvas", (c) => {
    const d = c.getContext("2d").getImageData(10, 5, 190, 38).data;
    let n = 0;
    for (let i = 0; i < d.length; i += 4) n += d[i] < 100 ? 1 : 0;
    return n;
  });
  assert.ok(caption > 100, `caption pixels: ${caption}`);
  assert.ok(!eq(await pixel(page, 0, 0), [0, 0, 0]));
  if (process.env.QUORVEL_WEB_SCREENSHOT) {
    await page.screenshot({ path: process.env.QUORVEL_WEB_SCREENSHOT });
  }
  await page.close();
});

test("every control point is picked within reach and dragged; the report follows", async () => {
  const { page, at } = await openPage();
  const points = [[50, 100], [200, 300], [400, 300], [550, 100]];
  const curve = [...DEFAULT_CURVE];
  for (let i = 0; i < 4; ++i) {
    const before = (await reportBlocks(page)).length;
    const wx = points[i][0] + 5;  // d2 = 29 from the point: in reach
    const wy = 480 - points[i][1] - 2;
    await page.mouse.move(...at(wx, wy));
    await page.mouse.down();
    await page.mouse.move(...at(wx - 10, wy + 15));
    await page.mouse.move(...at(wx - 20, wy + 30));
    await page.mouse.up();
    curve[2 * i] = wx - 20;
    curve[2 * i + 1] = 480 - (wy + 30);
    const blocks = (await settle(page, before)).slice(before);
    assert.ok(blocks.length >= 1, `point ${i}`);
    assert.deepEqual(blocks[0][0], { attribute: 7, text: `mouse location:(${wx} ${480 - wy})` });
    assert.deepEqual(withoutPick(blocks.at(-1)), expectedBlock(curve), `point ${i}`);
  }
  const [x, y] = [curve[2], curve[3]];
  assert.deepEqual(await pixel(page, x, y), [0, 0, 255]);
  // A press at d2 = 32 from the moved P0 picks nothing and writes no pick line.
  const before = (await reportBlocks(page)).length;
  await page.mouse.move(...at(curve[0] + 4, 480 - curve[1] - 4));
  await page.mouse.down();
  await page.mouse.move(...at(300, 50));
  await page.mouse.up();
  for (const b of (await settle(page, before)).slice(before)) {
    assert.deepEqual(b, expectedBlock(curve));
  }
  await page.close();
});

test("a drag outside the canvas keeps moving the point, and an S-curve reports in green", async () => {
  const { page, at } = await openPage();
  let before = (await reportBlocks(page)).length;
  await page.mouse.move(...at(550, 380));  // P3
  await page.mouse.down();
  await page.mouse.move(...at(700, 530));  // right of and below the canvas
  let blocks = await settle(page, before);
  assert.deepEqual(withoutPick(blocks.at(-1)), expectedBlock([50, 100, 200, 300, 400, 300, 700, -50]));
  await page.mouse.move(...at(550, 380));
  await page.mouse.up();
  before = (await settle(page, blocks.length - 1)).length;
  await page.mouse.move(...at(200, 180));  // P1, dragged below the chord
  await page.mouse.down();
  await page.mouse.move(...at(200, 440));
  await page.mouse.up();
  blocks = await settle(page, before);
  const s = expectedBlock([50, 100, 200, 40, 400, 300, 550, 100]);
  assert.ok(s.some((l) => l.attribute === 2));
  assert.deepEqual(withoutPick(blocks.at(-1)), s);
  const green = await page.$$eval("#report span span.a2", (spans) =>
    spans.map((e) => getComputedStyle(e).color));
  assert.ok(green.length > 0);
  assert.ok(green.every((c) => c === "rgb(19, 161, 14)"));
  await page.close();
});

test("the right button and keys move nothing", async () => {
  const { page, at } = await openPage();
  const before = (await reportBlocks(page)).length;
  await page.mouse.move(...at(200, 180));  // over P1
  await page.mouse.down({ button: "right" });
  for (let i = 1; i <= 4; ++i) {
    await page.mouse.move(...at(200 + 10 * i, 180));
    await new Promise((r) => setTimeout(r, 40));
  }
  await page.mouse.up({ button: "right" });
  const blocks = (await settle(page, before)).slice(before);
  assert.ok(blocks.length >= 1, "right-button motion redraws");
  for (const b of blocks) {
    assert.deepEqual(b, expectedBlock(DEFAULT_CURVE));  // no pick line, nothing moved
  }
  const text = await page.$eval("#report", (e) => e.textContent);
  await page.mouse.move(...at(260, 120));
  for (const key of ["a", "Escape", "Space", "ArrowLeft"]) {
    await page.keyboard.press(key);
  }
  await new Promise((r) => setTimeout(r, 400));
  assert.equal(await page.$eval("#report", (e) => e.textContent), text);
  assert.deepEqual(await pixel(page, 200, 300), [0, 0, 255]);
  await page.close();
});

test("a drag at 60 events a second redraws for the frames with a new position", async (t) => {
  const { page, at } = await openPage();
  const before = (await reportBlocks(page)).length;
  await page.mouse.move(...at(200, 180));
  await page.mouse.down();
  const moves = 90;
  const start = Date.now();
  for (let i = 1; i <= moves; ++i) {
    await page.mouse.move(...at(200 + (i % 30), 180 - Math.floor(i / 3)));
    const next = start + (i * 1000) / 60;
    await new Promise((r) => setTimeout(r, Math.max(0, next - Date.now())));
  }
  await page.mouse.up();
  const blocks = (await settle(page, before)).slice(before);
  const last = 90;
  assert.deepEqual(withoutPick(blocks.at(-1)),
                   expectedBlock([50, 100, 200 + (last % 30), 300 + Math.floor(last / 3), 400, 300, 550, 100]));
  // Each pass drew a position the one before it had not.
  for (let i = 1; i < blocks.length; ++i) {
    assert.notDeepEqual(withoutPick(blocks[i]), withoutPick(blocks[i - 1]), `pass ${i}`);
  }
  t.diagnostic(`${moves} motion events, ${blocks.length} display passes`);
  await page.close();
});

test("the panel keeps only the newest whole blocks past its limit", async () => {
  const { page, at } = await openPage();
  await page.evaluate(() => { Module.report.limit = 3; });
  await page.mouse.move(...at(320, 240));
  await page.mouse.down({ button: "right" });
  for (let i = 1; i <= 8; ++i) {
    await page.mouse.move(...at(320 + 5 * i, 240));
    await new Promise((r) => setTimeout(r, 40));
  }
  await page.mouse.up({ button: "right" });
  await settle(page, 2);
  const blocks = await reportBlocks(page);
  assert.equal(blocks.length, 3);
  for (const b of blocks) {
    assert.deepEqual(b, expectedBlock(DEFAULT_CURVE));
  }
  // Whole blocks only: the panel starts with a block's first line.
  const text = await page.$eval("#report", (e) => e.textContent);
  assert.ok(text.startsWith("Extreme point"), text.slice(0, 40));
  await page.close();
});
