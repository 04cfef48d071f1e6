// Debian's chromium, headless, driven through its DevTools protocol over a pipe
// (--remote-debugging-pipe: JSON messages ended by a NUL byte on the child's descriptors 3 and 4),
// so the driver needs no port of its own and no package beyond Node.
import {spawn} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {track} from './harness.mjs';

export const kChromium = process.env.BRENVOX_CHROMIUM || '/usr/bin/chromium';

// Without the background-networking flags chromium keeps trying the outside world, which this
// machine refuses; the resolver rule makes sure that no name but localhost ever resolves, so a
// mistaken page cannot reach out even where a network exists (the request watch still reports it).
const kFlags = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-default-apps', '--disable-extensions', '--no-default-browser-check',
    '--disable-features=Translate,OptimizationHints,MediaRouter,DialMediaRouteProvider',
    '--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE localhost, EXCLUDE 127.0.0.1',
    '--remote-debugging-pipe',
];

export class Chromium {
    #child;
    #profile;
    #nextId = 1;
    #pending = new Map();
    #listeners = new Set();
    #exited;

    // lang: the browser's language ("pl", "en-US"): its interface and the Accept-Language it sends.
    static async launch({lang = 'pl', extraFlags = []} = {}) {
        const b = new Chromium();
        b.#profile = mkdtempSync(join(tmpdir(), 'brenvox-chromium-'));
        const args = [...kFlags, `--user-data-dir=${b.#profile}`, `--lang=${lang}`,
            `--accept-lang=${lang}`, ...extraFlags, 'about:blank'];
        // Its own process group, so that ending it ends its renderers too, by its id alone.
        b.#child = track(spawn(kChromium, args, {stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'], detached: true}),
            true, b.#profile);
        b.stderr = '';
        b.#child.stdio[2].on('data', (d) => {
            if (b.stderr.length < 65536) b.stderr += d;
        });
        b.#exited = new Promise((resolve) => b.#child.on('exit', resolve));
        let buffer = Buffer.alloc(0);
        b.#child.stdio[4].on('data', (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            let end;
            while ((end = buffer.indexOf(0)) >= 0) {
                const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
                buffer = buffer.subarray(end + 1);
                b.#dispatch(message);
            }
        });
        b.#child.stdio[3].on('error', () => {});
        await Promise.race([
            b.send('Browser.getVersion'),
            b.#exited.then(() => {
                throw new Error(`chromium ended at start-up:\n${b.stderr}`);
            }),
        ]);
        return b;
    }

    get pid() {
        return this.#child.pid;
    }

    #dispatch(message) {
        if (message.id !== undefined) {
            const p = this.#pending.get(message.id);
            this.#pending.delete(message.id);
            if (!p) return;
            if (message.error) p.reject(new Error(`${p.method}: ${message.error.message}`));
            else p.resolve(message.result);
            return;
        }
        for (const listener of this.#listeners) listener(message.method, message.params, message.sessionId);
    }

    // One command; sessionId addresses a target attached with flatten, none the browser itself.
    send(method, params = {}, sessionId = undefined) {
        const id = this.#nextId++;
        const message = {id, method, params};
        if (sessionId) message.sessionId = sessionId;
        return new Promise((resolve, reject) => {
            this.#pending.set(id, {resolve, reject, method});
            this.#child.stdio[3].write(JSON.stringify(message) + '\0');
        });
    }

    // listener(method, params, sessionId) for every event; returns the function that removes it.
    on(listener) {
        this.#listeners.add(listener);
        return () => this.#listeners.delete(listener);
    }

    // Resolves with the first event for which predicate(method, params, sessionId) is true.
    waitFor(predicate, timeoutMs = 30000, what = 'event') {
        return new Promise((resolve, reject) => {
            const timer = setTimeout(() => {
                off();
                reject(new Error(`no ${what} within ${timeoutMs} ms`));
            }, timeoutMs);
            const off = this.on((method, params, sessionId) => {
                if (predicate(method, params, sessionId)) {
                    clearTimeout(timer);
                    off();
                    resolve({method, params, sessionId});
                }
            });
        });
    }

    async close() {
        if (this.#child.exitCode === null && this.#child.signalCode === null) {
            this.send('Browser.close').catch(() => {});
            const ended = await Promise.race([this.#exited.then(() => true),
                new Promise((r) => setTimeout(() => r(false), 5000))]);
            if (!ended) {
                try {
                    process.kill(-this.#child.pid, 'SIGKILL');
                } catch {
                    // already gone
                }
                await this.#exited;
            }
        }
        rmSync(this.#profile, {recursive: true, force: true});
    }
}

// A page of its own in a fresh browser context (no cache, storage or service worker shared with
// another test), with every request of the page and of the workers it starts watched.
export class Page {
    constructor(browser, contextId, targetId, sessionId) {
        this.browser = browser;
        this.contextId = contextId;
        this.targetId = targetId;
        this.sessionId = sessionId;
        this.requests = [];  // {url, type, target} of every request any of the context's targets made
        // Bytes each target took over the network, headers included, by session (the page's
        // own under sessionId): the sum of every finished response's encoded length.
        this.bytesLoaded = new Map();
        this.consoleLines = [];
        this.errors = [];
    }

    // scripts: texts to run in every document before its own scripts (the serial stand-in).
    static async open(browser, {scripts = [], downloadPath = null} = {}) {
        const {browserContextId} = await browser.send('Target.createBrowserContext', {disposeOnDetach: true});
        if (downloadPath) {
            await browser.send('Browser.setDownloadBehavior',
                {behavior: 'allow', downloadPath, browserContextId, eventsEnabled: true});
        }
        const {targetId} = await browser.send('Target.createTarget', {url: 'about:blank', browserContextId});
        const {sessionId} = await browser.send('Target.attachToTarget', {targetId, flatten: true});
        const page = new Page(browser, browserContextId, targetId, sessionId);
        page.sessions = new Set([sessionId]);
        page.off = browser.on((method, params, session) => page.#event(method, params, session));
        await page.#prepareSession(sessionId, true);
        for (const source of scripts) await page.send('Page.addScriptToEvaluateOnNewDocument', {source});
        await page.send('Page.enable');
        await page.send('Runtime.enable');
        return page;
    }

    // Network watched in the page and, through auto-attach, in every worker and service worker
    // it starts, each held at its start until the watch is on.
    async #prepareSession(sessionId, isPage) {
        // Sent together: a worker held at its start may answer the first only once it runs.
        const steps = [this.browser.send('Network.enable', {}, sessionId),
            this.browser.send('Target.setAutoAttach', {autoAttach: true, waitForDebuggerOnStart: true, flatten: true},
                sessionId)];
        if (!isPage) steps.push(this.browser.send('Runtime.runIfWaitingForDebugger', {}, sessionId));
        await Promise.all(steps);
    }

    #event(method, params, session) {
        if (method === 'Target.attachedToTarget' && this.sessions.has(session)) {
            const child = params.sessionId;
            this.sessions.add(child);
            this.#prepareSession(child, false).catch((e) => this.errors.push(`attach: ${e.message}`));
            return;
        }
        if (!this.sessions.has(session)) return;
        if (method === 'Network.requestWillBeSent') {
            this.requests.push({url: params.request.url, type: params.type, session});
        } else if (method === 'Network.webSocketCreated') {
            this.requests.push({url: params.url, type: 'WebSocket', session});
        } else if (method === 'Network.loadingFinished') {
            this.bytesLoaded.set(session, (this.bytesLoaded.get(session) ?? 0) + params.encodedDataLength);
        } else if (method === 'Runtime.consoleAPICalled') {
            this.consoleLines.push(params.args.map((a) => a.value ?? a.description ?? '').join(' '));
        } else if (method === 'Runtime.exceptionThrown') {
            this.errors.push(params.exceptionDetails.exception?.description ?? params.exceptionDetails.text);
        }
    }

    send(method, params = {}) {
        return this.browser.send(method, params, this.sessionId);
    }

    async goto(url, timeoutMs = 30000) {
        const loaded = this.browser.waitFor((m, p, s) => m === 'Page.loadEventFired' && s === this.sessionId,
            timeoutMs, `load of ${url}`);
        const result = await this.send('Page.navigate', {url});
        if (result.errorText) throw new Error(`${url}: ${result.errorText}`);
        await loaded;
    }

    // The value of a JavaScript expression in the page (promises awaited).
    async eval(expression) {
        const r = await this.send('Runtime.evaluate', {expression, awaitPromise: true, returnByValue: true});
        if (r.exceptionDetails) {
            throw new Error(`${expression.slice(0, 80)}: ${r.exceptionDetails.exception?.description ?? r.exceptionDetails.text}`);
        }
        return r.result.value;
    }

    // Polls the expression until it is truthy; returns its value.
    async waitUntil(expression, timeoutMs = 30000, what = expression) {
        const end = Date.now() + timeoutMs;
        for (;;) {
            const value = await this.eval(expression);
            if (value) return value;
            if (Date.now() > end) throw new Error(`not within ${timeoutMs} ms: ${what}`);
            await new Promise((r) => setTimeout(r, 20));
        }
    }

    // A key pressed and released as the keyboard sends it (focus decides who gets it).
    async press(key, code = key, keyCode = 0) {
        const base = {key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode};
        await this.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', ...base});
        await this.send('Input.dispatchKeyEvent', {type: 'keyUp', ...base});
    }

    // A real mouse click in the middle of the element the selector finds.
    async click(selector) {
        const box = await this.eval(`(() => {
            const e = document.querySelector(${JSON.stringify(selector)});
            if (!e) return null;
            e.scrollIntoView({block: 'center'});
            const r = e.getBoundingClientRect();
            return {x: r.x + r.width / 2, y: r.y + r.height / 2};
        })()`);
        if (!box) throw new Error(`no element ${selector}`);
        for (const type of ['mouseMoved', 'mousePressed', 'mouseReleased']) {
            await this.send('Input.dispatchMouseEvent', {type, x: box.x, y: box.y, button: 'left', clickCount: 1});
        }
    }

    // Runs action under the browser's tracing of the page's main thread; returns the durations
    // in ms of every task the renderer's main thread ran meanwhile, longest first.
    async mainThreadTasks(action) {
        const events = [];
        const off = this.browser.on((method, params) => {
            if (method === 'Tracing.dataCollected') events.push(...params.value);
        });
        await this.browser.send('Tracing.start', {
            transferMode: 'ReportEvents',
            traceConfig: {includedCategories: ['toplevel', 'devtools.timeline', 'disabled-by-default-devtools.timeline',
                '__metadata']},
        });
        let complete;
        try {
            await action();
        } finally {
            complete = this.browser.waitFor((m) => m === 'Tracing.tracingComplete', 60000, 'the trace');
            await this.browser.send('Tracing.end');
            await complete;
            off();
        }
        // The page's renderer is the process whose events name the page's main frame; its main
        // thread is CrRendererMain.
        const {frameTree} = await this.send('Page.getFrameTree');
        const pid = events.find((e) => e.args?.data?.frame === frameTree.frame.id)?.pid;
        const main = events.find((e) => e.ph === 'M' && e.name === 'thread_name' && e.pid === pid &&
            e.args?.name === 'CrRendererMain');
        if (!main) throw new Error('no main thread of the page in the trace');
        return events.filter((e) => e.ph === 'X' && e.pid === pid && e.tid === main.tid &&
            e.name === 'ThreadControllerImpl::RunTask')
            .map((e) => e.dur / 1000).sort((a, b) => b - a);
    }

    async screenshot(path) {
        const {data} = await this.send('Page.captureScreenshot', {format: 'png', captureBeyondViewport: true});
        const {writeFileSync} = await import('node:fs');
        writeFileSync(path, Buffer.from(data, 'base64'));
    }

    // Requests that left this machine: anything but localhost, the loopback addresses and the
    // browser's own in-memory schemes.
    foreignRequests() {
        return this.requests.filter(({url}) => {
            let u;
            try {
                u = new URL(url);
            } catch {
                return true;
            }
            if (['data:', 'blob:', 'about:'].includes(u.protocol)) return false;
            const host = u.hostname.replace(/^\[|\]$/g, '');
            return !(host === 'localhost' || host === '::1' || /^127\.\d+\.\d+\.\d+$/.test(host));
        });
    }

    async close() {
        this.off();
        await this.browser.send('Target.closeTarget', {targetId: this.targetId}).catch(() => {});
        await this.browser.send('Target.disposeBrowserContext', {browserContextId: this.contextId}).catch(() => {});
    }
}
